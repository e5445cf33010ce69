#include "platform/settings_store.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

QString fullKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString settingsStorePath()
{
    // Read the location afresh each time so a changed XDG_CONFIG_HOME is honoured.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Corvane/Corvane.conf");
}

QString GetSetting(const QString& section, const QString& key, const QString& fallback)
{
    QSettings store(settingsStorePath(), QSettings::IniFormat);
    return store.value(fullKey(section, key), fallback).toString();
}

void SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings store(settingsStorePath(), QSettings::IniFormat);
    store.setValue(fullKey(section, key), value);
}

void DeleteSetting(const QString& section, const QString& key)
{
    QSettings store(settingsStorePath(), QSettings::IniFormat);
    store.remove(fullKey(section, key));
}
