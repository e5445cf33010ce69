#include "platform/platform_check.h"

#include <QSysInfo>

bool platformAccepted(const QString& kernelType)
{
    return kernelType == QLatin1String("linux");
}

bool platformAccepted()
{
    return platformAccepted(QSysInfo::kernelType());
}

QString platformRefusal()
{
    return QStringLiteral("This program is intended only for use with 32-bit Windows versions.");
}
