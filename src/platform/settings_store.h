#pragma once
#include <QString>

// The per-user application settings store: application "Corvane", then
// section, key and a text value. It lives in the user's configuration folder
// ($XDG_CONFIG_HOME/Corvane/Corvane.conf), so tests isolate it by pointing
// XDG_CONFIG_HOME elsewhere.
QString GetSetting(const QString& section, const QString& key, const QString& fallback);
void SaveSetting(const QString& section, const QString& key, const QString& value);
// Deleting a key that is not there is no failure.
void DeleteSetting(const QString& section, const QString& key);

// Where the store is kept (for messages and tests).
QString settingsStorePath();
