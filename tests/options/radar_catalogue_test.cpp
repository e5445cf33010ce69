#include "options/radar_catalogue.h"

#include "settings/source_addresses.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

TEST(RadarCatalogue, HoldsEveryPictureInItsOrderWithUsableValues)
{
    const std::vector<RadarEntry> catalogue = radarCatalogue();
    ASSERT_EQ(catalogue.size(), 202u);
    QMap<QString, int> kinds;
    QSet<QString> names;
    for (const RadarEntry& entry : catalogue) {
        ++kinds[entry.kind];
        names.insert(entry.name);
        EXPECT_LE(entry.name.size(), 24) << entry.name.toStdString();
        for (const QString& value : {entry.name, entry.argument})
            EXPECT_FALSE(value.contains(',') || value.contains('"')) << value.toStdString();
        EXPECT_TRUE(entry.argument.startsWith("https://")) << entry.argument.toStdString();
    }
    EXPECT_EQ(kinds, (QMap<QString, int>{{"NO", 53}, {"YES", 1}, {"NEX", 148}}));
    EXPECT_EQ(names.size(), 202);

    // Where the three groups begin and end, and the islands' single blanks.
    const QList<std::pair<int, QString>> placed = {
        {0, "United States"}, {1, "United States (Animated)"}, {2, "Anchorage  AK"}, {41, "Honolulu HI"},
        {42, "South Kauai HI"}, {43, "Kohala HI"}, {49, "Chicago  IL"}, {149, "Riverton  WY"},
        {150, "Alabama"}, {194, "Texas (south)"}, {201, "Wyoming"}};
    for (const auto& [row, name] : placed)
        EXPECT_EQ(catalogue[row].name, name) << row;
    EXPECT_EQ(catalogue[0].kind, "NO");
    EXPECT_EQ(catalogue[1].kind, "YES");
    EXPECT_EQ(catalogue[49].kind, "NEX");
    EXPECT_EQ(catalogue[49].argument,
              sites::WeatherPortalSite() + "/weather/lot/nexrad/@/weather/nexrad/lot+");
    EXPECT_EQ(catalogue[150].kind, "NO");

    // The addresses follow the site roots as they are set when it is read.
    sites::redirectSites("http://127.0.0.1:9");
    EXPECT_EQ(radarCatalogue()[0].argument, "http://127.0.0.1:9/NationalRadarSite/ridge/standard/CONUS_0.gif");
    sites::redirectSites(QString());
}

TEST(RadarCatalogue, LinesOfAnotherShapeAreLeftOut)
{
    const QString text = "# a note\r\n"
                         "\n"
                         "Here  TX|NEX|abc\r\n"
                         "Still|NO|NationalRadarSite|/still.gif\r"
                         "Loop|YES|CampusRadarSite|/loop.gif\n"
                         "No radar|NEX|\n"
                         "Extra|NEX|abc|def\n"
                         "Odd kind|MAYBE|NationalRadarSite|/x.gif\n"
                         "Unknown site|NO|SomewhereSite|/x.gif\n"
                         "No slash|NO|NationalRadarSite|x.gif\n"
                         "|NO|NationalRadarSite|/x.gif\n"
                         "Short|NO\n";
    const std::vector<RadarEntry> entries = parseRadarCatalogue(text);
    const std::vector<RadarEntry> expected = {
        {"Here  TX", radarPageArgument("abc"), "NEX"},
        {"Still", sites::NationalRadarSite() + "/still.gif", "NO"},
        {"Loop", sites::CampusRadarSite() + "/loop.gif", "YES"}};
    EXPECT_EQ(entries, expected);
}
