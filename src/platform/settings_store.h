#pragma once
#include <QList>
#include <QString>
#include <QStringList>

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
// together, through writeFileSafely. A call returns false, with *error (when
// given) saying why, when the file could not be read or written: then none of
// its changes is made.
bool SaveSettings(const QList<StoreValue>& values, QString* error = nullptr);
bool SaveSetting(const QString& section, const QString& key, const QString& value);
// Deleting a key that is not there is no failure.
bool DeleteSettings(const QString& section, const QStringList& keys, QString* error = nullptr);

// Where the store is kept (for messages and tests).
QString settingsStorePath();
