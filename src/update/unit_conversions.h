#pragma once
#include <QString>
#include <QStringView>

// Unit arithmetic and clean-up of the reading captions. Each takes the
// caption text (and the unit choice where it matters) and returns the new
// caption; the window code writes it back into its label.
//
// The numeric value of a caption is its leading number. A caption that does
// not read as a number (a missing reading: "M", "N/A", "---", blanks) is
// never converted into one: the conversions hand it back as it came.
// Calc_Humidity and Fahrenheit_To_Celsius raise ParseFailure
// (update/parse_failure.h) for numbers outside the 16-bit range the readings
// are kept in, or for a humidity that cannot be computed.

// True when the text begins with a number (after leading blanks): an
// optional sign, then a digit or a point and a digit.
bool readsAsNumber(QStringView text);

// Leading and trailing blanks removed (blanks only, not tabs or line ends).
QString Strip_Spaces(const QString& caption);

// Every blank removed.
QString Remove_Spaces(const QString& caption);

// The compass point of a direction in degrees: "N" for 0 and 360, "E", "S"
// and "W" for 90, 180 and 270, "NE", "SE", "SW" and "NW" for the whole
// degrees between them; empty for any other value (89.5, 400, -10).
QString compassPoint(double degrees);

// A wind group "degrees AT knots" (e.g. "270 AT 15") as the wind caption:
// the compass word followed by the speed in mph ("W17"), or "CALM" for a
// speed of 0. A direction word ("VRB"), or a direction between the
// whole-degree ranges (89.5), above 360 or negative is kept as written; an
// empty one reads as north. A speed that is not a number leaves the wind
// text as the source gave it, trimmed.
QString Convert_Wind(const QString& windText);

// Relative humidity (Magnus formula) from the temperature and dewpoint
// captions, whole percent without a sign ("" when it rounds to 0, more than
// 100 when the dewpoint is above the temperature). The captions are in
// degrees Celsius when `celsius` is set, else in degrees Fahrenheit. "NA"
// when either caption is not a number ("---" or another missing reading).
QString Calc_Humidity(const QString& temperature, const QString& dewpoint, bool celsius);

// A pressure in inches of mercury rewritten in whole millibars, keeping a
// trailing trend letter S, R or F ("30.05R" -> "1018R").
QString Convert_To_Millibars(const QString& caption);

// A pressure in millibars rewritten in inches with two decimals
// ("1013" -> "29.91", "0" -> ".00"); a trend letter is not carried over.
QString Convert_To_Inches(const QString& caption);

// The speeds of a wind caption in mph rewritten in km/h ("NE12G25" ->
// "NE19G40"). A caption of any other shape ("CALM", blanks inside, empty)
// is returned unchanged.
QString Convert_Speed(const QString& caption);

// Degrees Fahrenheit to whole degrees Celsius, rounded down, written
// without a leading blank ("20" -> "-7", "33" -> "0").
QString Fahrenheit_To_Celsius(const QString& caption);
