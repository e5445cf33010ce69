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

QString storedNameAnyCase(const QString& folder, const QString& name, QDir::Filters kind)
{
    const QStringList entries = QDir(folder).entryList(kind);
    if (entries.contains(name))
        return name;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

QString fileInFolderAnyCase(const QString& folder, const QString& name)
{
    const QString stored = storedNameAnyCase(folder, name, QDir::Files | QDir::Hidden | QDir::System);
    return QDir(folder).filePath(stored.isEmpty() ? name : stored);
}
