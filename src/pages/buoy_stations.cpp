#include "pages/buoy_stations.h"

#include <QFile>

const QStringList& builtInBuoyNames()
{
    static const QStringList names = [] {
        QStringList lines;
        QFile file(QStringLiteral(":/buoy_stations.txt"));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines;
    }();
    return names;
}
