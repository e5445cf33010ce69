#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    const QString home = qEnvironmentVariable("CORVANE_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    return QCoreApplication::applicationDirPath();
}

QString programPath(const QString& relative)
{
    return programFolder() + QLatin1Char('/') + relative;
}
