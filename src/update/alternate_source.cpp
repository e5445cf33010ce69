#include "update/alternate_source.h"

#include "platform/number_formats.h"
#include "platform/text_files.h"
#include "update/unit_conversions.h"

#include <cmath>

QString Trim_Spaces(QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char(' '))
        ++start;
    qsizetype end = text.size();
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    text = text.mid(start, end - start);
    return text;
}

std::optional<QStringList> alternateRowNames(const QString& path)
{
    return readWholeLines(path, kRowNamesByteLimit);
}

std::optional<QString> alternateRowName(const QStringList& rowNames, const QString& placeCaption, bool* usable)
{
    *usable = placeCaption.size() >= 3;
    if (!*usable)
        return std::nullopt;
    const QString key = placeCaption.left(placeCaption.size() - 3).toUpper();
    for (const QString& line : rowNames)
        if (line.contains(key))
            return line;
    return std::nullopt;
}

namespace {

// Takes the first `width` characters off `row` and returns them trimmed.
QString take(QString& row, qsizetype width)
{
    QString field = row.left(width);
    row.remove(0, std::min(width, row.size()));
    return Trim_Spaces(field);
}

QString shortDirection(const QString& word)
{
    for (const char* full : {"NORTH", "SOUTH", "EAST", "WEST"})
        if (word == QLatin1String(full))
            return word.left(1);
    return word;
}

// Where the line that `from` is in ends (at its CR or LF); -1 when no line
// end follows.
qsizetype lineEnd(const QString& text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r'))
            return i;
    }
    return -1;
}

} // namespace

AlternateReading parseAlternateRow(const QString& rowName, const QString& conditions, bool celsius)
{
    AlternateReading reading;
    reading.status = QStringLiteral("Alternate Site N/R");
    const qsizetype start = conditions.indexOf(rowName);
    if (start < 0)
        return reading;
    const qsizetype end = lineEnd(conditions, start);
    if (end <= start)
        return reading;
    QString row = conditions.mid(start, end - start);
    row.remove(0, std::min(rowName.size() + 13, row.size()));

    reading.temperature = take(row, 5);
    if (celsius && readsAsNumber(reading.temperature)) {
        const long long fahrenheit = roundHalfEven(leadingNumber(reading.temperature));
        reading.temperature = QString::number(static_cast<long long>(std::floor((fahrenheit - 32) * 5.0 / 9.0)));
    }
    reading.humidity = take(row, 6);
    if (reading.humidity.endsWith(QLatin1Char('%')))
        reading.humidity.chop(1);

    const qsizetype at = row.indexOf(QLatin1String("at"));
    if (at >= 0)
        row.replace(at, 2, QStringLiteral("  "));
    const QString wind = take(row, 15);
    const qsizetype blank = wind.indexOf(QLatin1Char(' '));
    QString direction = blank < 0 ? wind : wind.left(blank);
    QString speed = blank < 0 ? QString() : wind.mid(blank + 1);
    reading.wind = shortDirection(Trim_Spaces(direction)) + Trim_Spaces(speed);

    reading.condition = Trim_Spaces(row).toUpper();
    reading.found = true;
    reading.status = QStringLiteral("Alternate Site Used");
    return reading;
}
