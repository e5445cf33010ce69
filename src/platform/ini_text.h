#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>

// The text of the per-user settings store, in the INI form that QSettings
// reads and writes: "[Section]" lines, then "key=value" lines. Keys are
// "Section/key"; a key without a section lives under "[General]". Section and
// key names are written with %XX escapes for anything but letters, digits and
// "_-.", values in UTF-8, in double quotes when they hold ";", "," or "=" or
// begin or end with a blank, with backslash escapes for "\", the double quote
// and control characters, and a second "@" before a leading "@".
using IniValues = QMap<QString, QString>;

// Reads every key; blank lines, comment lines (";") and lines without "="
// are passed over.
IniValues parseIni(const QByteArray& text);

// Writes the keys section by section, in key order.
QByteArray composeIni(const IniValues& values);
