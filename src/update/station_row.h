#pragma once
#include <QString>
#include <stdexcept>

// The readings of one station as the main window shows them in its row: one
// caption per column, plain text. The parsers write `condition` to `uv`;
// the place is the caller's.
struct StationRow {
    QString place;       // place name
    QString condition;   // sky and weather words, or a marker such as "NOT AVBL"
    QString temperature;
    QString dewpoint;
    QString humidity;    // relative humidity, no percent sign
    QString wind;        // direction, speed and gust, e.g. "NE12G25" or "CALM"
    QString pressure;    // with a trend letter where the source gives one
    QString remarks;
    QString uv;          // UV index

    // The caption by the number of the main window's label that shows it:
    // 2 place, 3 condition ... 10 UV. Any other number is refused.
    QString& label(int number);
    const QString& label(int number) const;

    bool operator==(const StationRow&) const = default;
};

// Member of StationRow that a parser step reads or writes.
using RowField = QString StationRow::*;

inline QString& StationRow::label(int number)
{
    return const_cast<QString&>(static_cast<const StationRow&>(*this).label(number));
}

inline const QString& StationRow::label(int number) const
{
    switch (number) {
    case 2: return place;
    case 3: return condition;
    case 4: return temperature;
    case 5: return dewpoint;
    case 6: return humidity;
    case 7: return wind;
    case 8: return pressure;
    case 9: return remarks;
    case 10: return uv;
    default: break;
    }
    throw std::out_of_range("StationRow label number outside 2 to 10");
}
