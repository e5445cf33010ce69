#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>

// The text of the per-user settings store, in the INI form that QSettings
// reads and writes: "[Section]" lines, then "key=value" lines. Keys are
// "Section/key"; a key without a section lives under "[General]". Section and
// key names are written with %XX escapes for anything but letters, digits and
// "_-.", values in UTF-8, in double quotes when they hold ";", "," or "=" or
// begin or end with a blank, with backslash escapes for "\", the double quote,
// control characters and U+FEFF, and a second "@" before a leading "@".
using IniValues = QMap<QString, QString>;

// Reads every key as QSettings reads it: a byte-order mark at the start is
// passed over; a line ends at LF, CR or CR LF, but not inside double quotes
// nor after "\" (the line goes on in the next one); ";" outside double quotes
// begins a comment; lines without "=" are passed over; of a key given twice
// the last value counts.
// It reads otherwise than QSettings in two ways, as the store holds text only:
// - a comma outside double quotes is part of the text as written, where
//   QSettings makes the value a list of texts;
// - a value that QSettings reads as another type than text ("@ByteArray(...)",
//   "@String(...)", "@Variant(...)", "@Invalid()" and the like) is read as
//   the text that stands there.
IniValues parseIni(const QByteArray& text);

// Writes the keys section by section, in key order.
QByteArray composeIni(const IniValues& values);
