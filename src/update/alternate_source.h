#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The alternate conditions file: a plain-text list of rows, one per place,
// fetched once per update when the alternate source is on. The shipped
// alter1.cvd lists the row names it uses.

// Removes leading and trailing blanks (only blanks), in place, and returns
// the result.
QString Trim_Spaces(QString& text);

// Bytes of alter1.cvd that are read; the lines past them are left out.
inline constexpr qint64 kRowNamesByteLimit = 1024 * 1024;

// The row names (the lines) of the alter1.cvd at `path`, read afresh at each
// call; nullopt when it cannot be read.
std::optional<QStringList> alternateRowNames(const QString& path);

// The first line of alter1.cvd that equals or contains the place caption
// less its last three characters (upper-cased); nullopt when none does.
// Also nullopt, through `usable`, for a caption of fewer than three
// characters, which cannot be looked up at all.
std::optional<QString> alternateRowName(const QStringList& rowNames, const QString& placeCaption, bool* usable);

// What a conditions row gives. Without a row (or without its line end) only
// the status is set: "Alternate Site N/R".
struct AlternateReading {
    bool found = false;
    QString condition, temperature, humidity, wind; // wind in mph, e.g. "N10"
    QString status;
};

// Cuts the row that starts with `rowName` out of the conditions text.
// `celsius` converts a temperature that is a number (the wind is left to
// the caller's speed conversion).
AlternateReading parseAlternateRow(const QString& rowName, const QString& conditions, bool celsius);
