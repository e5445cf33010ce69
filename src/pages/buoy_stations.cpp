#include "pages/buoy_stations.h"

#include "platform/text_files.h"

#include <QFile>

const QStringList& builtInBuoyNames()
{
    static const QStringList names = [] {
        QStringList lines;
        QFile file(QStringLiteral(":/buoy_stations.txt"));
        if (file.open(QIODevice::ReadOnly))
            lines = splitLines(QString::fromUtf8(file.readAll()));
        lines.removeAll(QString());
        return lines;
    }();
    return names;
}
