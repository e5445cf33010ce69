#pragma once
#include "platform/color_values.h"

#include <QString>
#include <array>

// The national UV bulletin's city table, and reading a state's warnings page.

inline constexpr int kUvCities = 58;

// The bulletin's cities in table order; CHARLESTON and PORTLAND stand twice.
const std::array<QString, kUvCities>& uvCityNames();

// Each city's UV value text: the three characters 26 to the right of the
// city's first occurrence in the bulletin, "NA" when the name is absent.
std::array<QString, kUvCities> uvValuesFromBulletin(const QString& bulletin);

// The row of the first city, in table order, whose name stands in the place
// caption (exact case): a place JACKSONVILLE takes the row JACKSON; -1 for none.
int uvCityRow(const QString& placeCaption);

// The UV value of the place's row (uvCityRow), its leading blanks removed
// (and stored back so), or "NR".
QString uvForPlace(const QString& placeCaption, std::array<QString, kUvCities>& values);

// The state's warnings page: the slot URL's folder and "allwarnings.html".
QString warningsPageUrl(const QString& slotUrl);

struct WarningState {
    ColorValue lamp = kButtonFaceColor; // button face: no data; green: no warnings; red: warnings in the state
    bool alert = false;              // the place itself is named
};

// Reads a warnings page for a place caption.
WarningState warningsFromPage(const QString& page, const QString& placeCaption);
