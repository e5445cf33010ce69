#pragma once
#include <QString>
#include <QStringView>

// Number conventions that the settings file, the station rows and the
// report parsers share.

// The value of the longest leading part of a text that reads as a number
// (leading blanks skipped, optional sign, digits, an optional fraction and
// exponent); 0 when there is none. "12abc" gives 12, "1.7.7" gives 1.7.
double leadingNumber(QStringView text);

// Rounds to the nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4).
long long roundHalfEven(double value);

// The leading number rounded halves-to-even, clamped into a 16-bit integer's
// range check: returns false when it does not fit.
bool toInt16(QStringView text, int& out);

// A whole number written with a leading blank when zero or positive and a
// leading minus sign when negative: 25 -> " 25", -3 -> "-3".
QString numberForm(long long value);

// "True" or "False".
QString truthForm(bool value);

// Reads a truth value as written by truthForm, or a number (0 false, any
// other number true). Returns false when the text is neither.
bool parseTruth(QStringView text, bool& out);

// Digit-placeholder formatting: "###" or "####" give the value rounded to a
// whole number without leading zeros, and an empty text when it rounds to 0;
// "###.##" gives up to two decimals with the point always present
// (30 -> "30.", 0.5 -> ".5"); "##.00" style zeros force digits.
// Rounding is half away from zero, as the display formats have always done.
QString formatDigits(double value, QStringView pattern);
