#pragma once
#include <QString>

// Text rules of the digital display, kept apart from the window so they can
// be checked on their own.

// Glyph number of a display character; -1 for a character without a glyph
// (the cell then keeps its picture).
int digitGlyphFor(QChar c);

// A temperature-style reading padded to the three cells ("-5" -> "-05",
// "5" -> "  5", "72" -> " 72"). The caption's leading number is used.
QString digitalReading(const QString& caption);
// Dewpoint: three blanks for an empty or "MM" caption.
QString digitalDewpoint(const QString& caption);
// Humidity: three blanks when it rounds to 0 or has no number.
QString digitalHumidity(const QString& caption);

// Frame delay (ms) of the wind animation for a wind speed.
int windFrameDelay(int speed);

// The picture (1 to 13) for a condition caption.
int digitalConditionPicture(const QString& caption);
// The drawing that picture n (1 to 13) shows: the number to give
// conditionPicture(), so that each picture shows the weather of its words.
int digitalPictureDrawing(int picture);

// How a pressure caption (blanks already removed) is drawn.
struct PressureCells {
    QString first;   // cells 12, 13
    QString last;    // cells 15, 16
    int trendGlyph;  // cell 17
    bool point;      // cell 14 shows the decimal point
};
PressureCells digitalPressure(const QString& caption);

// "08:05" -> " 8:05"; no time ("") -> "  :  ", blank digits.
QString digitalTime(const QString& lastUpdate);
