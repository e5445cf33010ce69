#include "update/uv_and_warnings.h"

#include "platform/text_files.h"
#include "update/place_words.h"

#include <QStringList>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct BulletinEntry {
    QString city, state, value;
};

bool allDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

bool isStateColumn(const QString& text)
{
    return text.size() == 2 && text[0].isUpper() && text[1].isUpper();
}

// The entry of a bulletin line that starts at `column`, if it holds one.
std::optional<BulletinEntry> entryAt(const QString& line, qsizetype column)
{
    const QString city = line.mid(column, 20).simplified();
    const QStringList rest = line.mid(column + 20, 16).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (city.isEmpty() || rest.size() != 2 || !isStateColumn(rest[0]) || !allDigits(rest[1]))
        return std::nullopt;
    return BulletinEntry{city, rest[0], rest[1]};
}

std::vector<BulletinEntry> bulletinEntries(const QString& bulletin)
{
    std::vector<BulletinEntry> entries;
    bool underHeading = false;
    for (const QString& line : splitLines(bulletin)) {
        if (!underHeading) {
            underHeading = line.contains(QLatin1String("CITY")) && line.contains(QLatin1String("UVI"));
            continue;
        }
        for (const qsizetype column : {0, 36}) {
            if (const auto entry = entryAt(line, column))
                entries.push_back(*entry);
        }
    }
    return entries;
}

} // namespace

const std::array<UvCity, kUvCities>& uvCities()
{
    static const std::array<UvCity, kUvCities> cities = {{
        {"ALBUQUERQUE", "NM"}, {"ANCHORAGE", "AK"}, {"ATLANTA", "GA"}, {"ATLANTIC CITY", "NJ"},
        {"BALTIMORE", "MD"}, {"BILLINGS", "MT"}, {"BISMARCK", "ND"}, {"BOISE", "ID"}, {"BOSTON", "MA"},
        {"BUFFALO", "NY"}, {"BURLINGTON", "VT"}, {"CHARLESTON", "SC"}, {"CHARLESTON", "WV"},
        {"CHEYENNE", "WY"}, {"CHICAGO", "IL"}, {"CLEVELAND", "OH"}, {"CONCORD", "NH"}, {"DALLAS", "TX"},
        {"DENVER", "CO"}, {"DES MOINES", "IA"}, {"DETROIT", "MI"}, {"DOVER", "DE"}, {"HARTFORD", "CT"},
        {"HONOLULU", "HI"}, {"HOUSTON", "TX"}, {"INDIANAPOLIS", "IN"}, {"JACKSON", "MS"},
        {"JACKSONVILLE", "FL"}, {"LAS VEGAS", "NV"}, {"LITTLE ROCK", "AR"}, {"LOS ANGELES", "CA"},
        {"LOUISVILLE", "KY"}, {"MEMPHIS", "TN"}, {"MIAMI", "FL"}, {"MILWAUKEE", "WI"}, {"MINNEAPOLIS", "MN"},
        {"MOBILE", "AL"}, {"NEW ORLEANS", "LA"}, {"NEW YORK", "NY"}, {"NORFOLK", "VA"},
        {"OKLAHOMA CITY", "OK"}, {"OMAHA", "NE"}, {"PHILADELPHIA", "PA"}, {"PHOENIX", "AZ"},
        {"PITTSBURGH", "PA"}, {"PORTLAND", "ME"}, {"PORTLAND", "OR"}, {"PROVIDENCE", "RI"},
        {"RALEIGH", "NC"}, {"SALT LAKE CITY", "UT"}, {"SAN FRANCISCO", "CA"}, {"SAN JUAN", "PR"},
        {"SEATTLE", "WA"}, {"SIOUX FALLS", "SD"}, {"ST. LOUIS", "MO"}, {"TAMPA", "FL"},
        {"WASHINGTON", "DC"}, {"WICHITA", "KS"},
    }};
    return cities;
}

std::array<QString, kUvCities> uvValuesFromBulletin(const QString& bulletin)
{
    const std::vector<BulletinEntry> entries = bulletinEntries(bulletin);
    std::array<QString, kUvCities> values;
    const auto& cities = uvCities();
    for (size_t k = 0; k < cities.size(); ++k) {
        values[k] = QStringLiteral("NA");
        for (const BulletinEntry& entry : entries) {
            if (entry.state == QLatin1String(cities[k].state)
                && entry.city.compare(QLatin1String(cities[k].name), Qt::CaseInsensitive) == 0) {
                values[k] = entry.value;
                break;
            }
        }
    }
    return values;
}

int uvCityRow(const QString& placeCaption, const QString& stateCode)
{
    if (stateCode.isEmpty())
        return -1;
    const auto& cities = uvCities();
    for (int row = 0; row < kUvCities; ++row) {
        if (stateCode == QLatin1String(cities[row].state) && namesPlace(placeCaption, QLatin1String(cities[row].name)))
            return row;
    }
    return -1;
}

QString uvForPlace(const QString& placeCaption, const QString& stateCode,
                   const std::array<QString, kUvCities>& values)
{
    const int row = uvCityRow(placeCaption, stateCode);
    return row < 0 ? QStringLiteral("NR") : values[row];
}
