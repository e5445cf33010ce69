#include "update/uv_and_warnings.h"

const std::array<QString, kUvCities>& uvCityNames()
{
    static const std::array<QString, kUvCities> names = {
        "ALBUQUERQUE", "ANCHORAGE", "ATLANTA", "ATLANTIC CITY", "BALTIMORE", "BILLINGS", "BISMARCK",
        "BOISE", "BOSTON", "BUFFALO", "BURLINGTON", "CHARLESTON", "CHARLESTON", "CHEYENNE", "CHICAGO",
        "CLEVELAND", "CONCORD", "DALLAS", "DENVER", "DES MOINES", "DETROIT", "DOVER", "HARTFORD",
        "HONOLULU", "HOUSTON", "INDIANAPOLIS", "JACKSON", "JACKSONVILLE", "LAS VEGAS", "LITTLE ROCK",
        "LOS ANGELES", "LOUISVILLE", "MEMPHIS", "MIAMI", "MILWAUKEE", "MINNEAPOLIS", "MOBILE",
        "NEW ORLEANS", "NEW YORK", "NORFOLK", "OKLAHOMA CITY", "OMAHA", "PHILADELPHIA", "PHOENIX",
        "PITTSBURGH", "PORTLAND", "PORTLAND", "PROVIDENCE", "RALEIGH", "SALT LAKE CITY", "SAN FRANCISCO",
        "SAN JUAN", "SEATTLE", "SIOUX FALLS", "ST.LOUIS", "TAMPA", "WASHINGTON DC", "WICHITA"};
    return names;
}

std::array<QString, kUvCities> uvValuesFromBulletin(const QString& bulletin)
{
    std::array<QString, kUvCities> values;
    const auto& names = uvCityNames();
    for (size_t k = 0; k < names.size(); ++k) {
        const qsizetype at = bulletin.indexOf(names[k]);
        values[k] = at < 0 ? QStringLiteral("NA") : bulletin.mid(at + 26, 3);
    }
    return values;
}

int uvCityRow(const QString& placeCaption)
{
    const auto& names = uvCityNames();
    for (int row = 0; row < kUvCities; ++row) {
        if (placeCaption.contains(names[row]))
            return row;
    }
    return -1;
}

QString uvForPlace(const QString& placeCaption, std::array<QString, kUvCities>& values)
{
    const int row = uvCityRow(placeCaption);
    if (row < 0)
        return QStringLiteral("NR");
    QString& value = values[row];
    qsizetype blanks = 0;
    while (blanks < value.size() && value[blanks] == QLatin1Char(' '))
        ++blanks;
    value.remove(0, blanks);
    return value;
}

QString warningsPageUrl(const QString& slotUrl)
{
    const qsizetype slash = slotUrl.lastIndexOf(QLatin1Char('/'));
    return slotUrl.left(slash + 1) + QStringLiteral("allwarnings.html");
}

WarningState warningsFromPage(const QString& page, const QString& placeCaption)
{
    WarningState state;
    if (page.toUpper().contains(QLatin1String("NOT FOUND")))
        return state;
    if (page.contains(QLatin1String("All Warnings are not currently available"))) {
        state.lamp = kGreen;
        return state;
    }
    state.lamp = kRed;
    const qsizetype blank = placeCaption.indexOf(QLatin1Char(' '));
    state.alert = page.contains(placeCaption) || (blank >= 0 && page.contains(placeCaption.left(blank)));
    return state;
}
