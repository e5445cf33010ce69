#include "update/uv_and_warnings.h"

#include <gtest/gtest.h>

namespace {

// One entry of the bulletin's table: the name in 20 characters, a blank,
// the state code padded to 26 characters from the name's start, a blank
// and a two-digit value.
QString entry(const QString& city, const QString& state, const QString& value)
{
    return city.leftJustified(20) + ' ' + state.leftJustified(5) + ' ' + value.rightJustified(2);
}

// A line of two entries, the right one 36 characters after the left.
QString line(const QString& left, const QString& right = QString())
{
    return left.leftJustified(36) + right + "\n";
}

// The bulletin with each line ended by `end`.
QString bulletin(const char* end = "\r\n")
{
    const QString heading = QStringLiteral("CITY               STATE  UVI");
    QString text = "UV INDEX: CLEAR SKY FORECAST AT SOLAR NOON\n\n" + line(heading, heading)
        + line(entry("CHARLESTON", "SC", "9"), entry("CHARLESTON", "WV", "5"))
        + line(entry("PORTLAND", "ME", "3"), entry("PORTLAND", "OR", "6"))
        + line(entry("JACKSON", "MS", "4"), entry("JACKSONVILLE", "FL", "10"))
        + line(entry("ST. LOUIS", "MO", "8"), entry("WASHINGTON", "DC", "7"))
        + line(entry("CHICAGO", "IL", "2"), entry("DALLAS", "TX", "11")) + line(entry("BOSTON", "MA", "1"))
        + "\nTHE UV INDEX IS ISSUED DAILY\n";
    return text.replace(QLatin1Char('\n'), QLatin1String(end));
}

} // namespace

TEST(UvBulletin, AStationTakesTheRowOfItsOwnCityAndStateWhateverTheLineEnds)
{
    struct Case { const char *place, *state, *value; } const cases[] = {
        {"CHARLESTON", "SC", "9"},   {"CHARLESTON", "WV", "5"},     {"PORTLAND", "ME", "3"},
        {"PORTLAND", "OR", "6"},     {"JACKSON", "MS", "4"},        {"JACKSONVILLE", "FL", "10"},
        {"JACKSON", "WY", "NR"},     {"ST LOUIS", "MO", "8"},       {"ST. LOUIS", "MO", "8"},
        {"WASHINGTON", "DC", "7"},   {"WASHINGTON", "WA", "NR"},    {"CHICAGO O'HARE", "IL", "2"},
        {"Dallas", "TX", "11"},      {"DALLAS/FT WORTH", "TX", "11"}, {"DALLAS", "", "NR"},
        {"ABILENE", "TX", "NR"},     {"ALBUQUERQUE", "NM", "NA"},   {"BOSTON", "MA", "1"},
    };
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const auto values = uvValuesFromBulletin(bulletin(end));
        for (const Case& c : cases)
            EXPECT_EQ(uvForPlace(c.place, c.state, values), c.value)
                << c.place << " " << c.state << " with " << QByteArray(end).toHex().toStdString();
    }
}

TEST(UvBulletin, WithoutItsTableNoCityHasAValue)
{
    const QString rows = bulletin().mid(bulletin().indexOf("CHARLESTON"));
    for (const QString& page : {QString(), rows}) {
        const auto values = uvValuesFromBulletin(page);
        for (const QString& value : values)
            EXPECT_EQ(value, "NA");
    }
}
