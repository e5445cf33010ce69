#include "platform/settings_store.h"

#include "platform/file_writes.h"
#include "platform/ini_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

// The file is read afresh on every call and written through writeFileSafely:
// QSettings keeps its own copy of the file in memory and, when a write fails
// while it closes the file, reports success and leaves a cut-off file behind.

namespace {

QString fullKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

// What the store holds: nothing yet when there is no file; nullopt, with
// *error set, when the file cannot be read.
std::optional<IniValues> readStore(QString* error = nullptr)
{
    QFile file(settingsStorePath());
    if (!file.exists())
        return IniValues();
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return parseIni(file.readAll());
}

// A key and the value it is to hold; none removes the key.
struct Change {
    QString key;
    std::optional<QString> value;
};

bool writeChanges(const QList<Change>& changes, QString* error)
{
    std::optional<IniValues> values = readStore(error);
    if (!values)
        return false; // what the file holds would be lost
    const IniValues before = *values;
    for (const Change& change : changes) {
        if (change.value)
            values->insert(change.key, *change.value);
        else
            values->remove(change.key);
    }
    // The file holds passwords: only its owner may read it, also where an
    // earlier version let others read it.
    const QString path = settingsStorePath();
    if (*values == before) {
        restrictToOwner(path);
        return true;
    }
    QDir().mkpath(QFileInfo(path).path()); // a folder that cannot be made fails the write
    return writeFileSafely(path, composeIni(*values), error, FileAccess::OwnerOnly);
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
    return readStore().value_or(IniValues()).value(fullKey(section, key), fallback);
}

bool SaveSettings(const QList<StoreValue>& values, QString* error)
{
    QList<Change> changes;
    for (const StoreValue& value : values)
        changes.append({fullKey(value.section, value.key), value.value});
    return writeChanges(changes, error);
}

bool SaveSetting(const QString& section, const QString& key, const QString& value)
{
    return SaveSettings({{section, key, value}});
}

bool DeleteSettings(const QString& section, const QStringList& keys, QString* error)
{
    QList<Change> changes;
    for (const QString& key : keys)
        changes.append({fullKey(section, key), std::nullopt});
    return writeChanges(changes, error);
}

std::optional<QList<StoredValue>> storedValues(const QList<StoreValue>& values, QString* error)
{
    const std::optional<IniValues> stored = readStore(error);
    if (!stored)
        return std::nullopt;
    QList<StoredValue> before;
    for (const StoreValue& value : values) {
        const auto found = stored->constFind(fullKey(value.section, value.key));
        before.append({value.section, value.key,
                       found == stored->cend() ? std::nullopt : std::optional<QString>(*found)});
    }
    return before;
}

bool restoreSettings(const QList<StoredValue>& values, QString* error)
{
    QList<Change> changes;
    for (const StoredValue& value : values)
        changes.append({fullKey(value.section, value.key), value.value});
    return writeChanges(changes, error);
}
