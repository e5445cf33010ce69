#pragma once
#include <QString>
#include <array>

// The national UV bulletin's city table.

inline constexpr int kUvCities = 58;

struct UvCity {
    const char* name;  // as the bulletin writes it ("ST. LOUIS")
    const char* state; // the two-letter code in its state column ("MO")
};

// The bulletin's cities in table order; CHARLESTON (SC, WV) and PORTLAND
// (ME, OR) stand twice, once for each state.
const std::array<UvCity, kUvCities>& uvCities();

// Each table city's UV value text, from the bulletin row with its name and
// state; "NA" when the bulletin has no such row. The rows follow the heading
// "CITY ... STATE ... UVI" in two columns, the right one 36 characters after
// the left: the name in 20 characters, then the state code and the value.
std::array<QString, kUvCities> uvValuesFromBulletin(const QString& bulletin);

// The row of the first table city in the station's state whose name stands
// in the place caption as whole words, case ignored: a place JACKSONVILLE is
// JACKSONVILLE's, not JACKSON's, and PORTLAND in "OR" is Oregon's. -1 for
// none, and for a station whose state is not known (an empty code).
int uvCityRow(const QString& placeCaption, const QString& stateCode);

// The UV value of the place's row (uvCityRow), or "NR".
QString uvForPlace(const QString& placeCaption, const QString& stateCode,
                   const std::array<QString, kUvCities>& values);
