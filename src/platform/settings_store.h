#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The per-user application settings store: application "Corvane", then
// section, key and a text value. It lives in the user's configuration folder
// ($XDG_CONFIG_HOME/Corvane/Corvane.conf), so tests isolate it by pointing
// XDG_CONFIG_HOME elsewhere.
QString GetSetting(const QString& section, const QString& key, const QString& fallback);

// One value to store.
struct StoreValue {
    QString section;
    QString key;
    QString value;
};

// Every change is written to the store's file at once, the values of one call
// together, through writeFileSafely. The file holds passwords: only its owner
// may read or write it (0600), and a save takes any wider permission away.
// A call returns false, with *error (when given) saying why, when the file
// could not be read or written: then none of its changes is made.
bool SaveSettings(const QList<StoreValue>& values, QString* error = nullptr);
bool SaveSetting(const QString& section, const QString& key, const QString& value);
// Deleting a key that is not there is no failure.
bool DeleteSettings(const QString& section, const QStringList& keys, QString* error = nullptr);

// A key as the store holds it: its value, or none when the key is missing.
struct StoredValue {
    QString section;
    QString key;
    std::optional<QString> value;
};

// What the keys of `values` hold now, to put back with restoreSettings when
// the save they belong to has to be undone; nullopt, with *error saying why,
// when the store cannot be read.
std::optional<QList<StoredValue>> storedValues(const QList<StoreValue>& values, QString* error = nullptr);
// Gives every key the value it held, removing the ones that were missing,
// in one write as SaveSettings does.
bool restoreSettings(const QList<StoredValue>& values, QString* error = nullptr);

// Where the store is kept (for messages and tests).
QString settingsStorePath();
