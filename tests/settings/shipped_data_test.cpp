#include "options/states_cities.h"
#include "settings/source_addresses.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList alternateTable()
{
    QFile file(QStringLiteral(CORVANE_DATA_DIR) + "/alternate_places.txt");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList items = QString::fromUtf8(file.readAll()).split('\n');
    if (!items.isEmpty() && items.last().isEmpty())
        items.removeLast();
    return items;
}

} // namespace

TEST(ShippedData, AlternatePlaceTableHasEveryBlockWithItsPlaces)
{
    const QStringList items = alternateTable();
    ASSERT_EQ(items.size(), 797);
    EXPECT_EQ(items.last(), "[END]");
    const QList<QPair<QString, int>> expected = {
        {"Alabama", 10}, {"Alaska", 12}, {"Arizona", 14}, {"Arkansas", 11}, {"California", 59}, {"Colorado", 14},
        {"Connecticut", 5}, {"District of Columbia", 1}, {"Delaware", 3}, {"Florida", 35}, {"Georgia", 13},
        {"Hawaii", 5}, {"Idaho", 12}, {"Illinois", 13}, {"Indiana", 10}, {"Iowa", 11}, {"Kansas", 15},
        {"Kentucky", 9}, {"Louisiana", 9}, {"Maine", 9}, {"Maryland", 6}, {"Massachusetts", 7}, {"Michigan", 17},
        {"Minnesota", 13}, {"Mississippi", 12}, {"Missouri", 11}, {"Montana", 13}, {"Nebraska", 9}, {"Nevada", 11},
        {"New Hampshire", 8}, {"New Jersey", 8}, {"New Mexico", 16}, {"New York", 24}, {"North Carolina", 14},
        {"North Dakota", 7}, {"Ohio", 10}, {"Oklahoma", 13}, {"Oregon", 15}, {"Pennsylvania", 18},
        {"Rhode Island", 2}, {"South Carolina", 10}, {"South Dakota", 7}, {"Tennessee", 9}, {"Texas", 41},
        {"Utah", 5}, {"Vermont", 5}, {"Virginia", 12}, {"Washington", 19}, {"West Virginia", 10},
        {"Wisconsin", 9}, {"Wyoming", 13}};
    int row = 0;
    for (const auto& [state, count] : expected) {
        ASSERT_EQ(items[row], "*" + state);
        const QString& url = items[row + 1];
        EXPECT_TRUE(url.startsWith(sources::portalForecastFolder() + "/forecast/@_")) << url.toStdString();
        const QStringList block = rowsAfter(items, "*" + state, 2);
        EXPECT_EQ(block.size(), count) << state.toStdString();
        for (int i = 1; i < block.size(); ++i)
            EXPECT_LE(block[i - 1].trimmed().compare(block[i].trimmed(), Qt::CaseInsensitive), 0) << block[i].toStdString();
        row += 2 + count + 1;
    }
    EXPECT_TRUE(items.contains(sources::portalForecastFolder() + "/forecast/@_US_f.html"));
    EXPECT_TRUE(items.contains(sources::portalForecastFolder() + "/forecast/@_KS_US_f.html "));
    for (const char* place : {"Villa Olivia ", "Terre Haute ", "Portsmouth ", "Trenton ", "Winston-Salem",
                              "St. Louis", "Martha's Vineyard"})
        EXPECT_TRUE(items.contains(QString(place))) << place;
    EXPECT_EQ(rowsAfter(items, "*District of Columbia", 2), QStringList{"Washington DC"});
}

TEST(ShippedData, StatesFileHasEveryStateWithAReportPageAndCities)
{
    const StatesFile file = readStatesFile(QStringLiteral(CORVANE_DATA_DIR) + "/States_Cities.cvd");
    ASSERT_EQ(file.problem, StatesFileProblem::None);
    EXPECT_EQ(file.rows.last(), "[END]");
    const StateList states = statesFromRows(file.rows);
    ASSERT_EQ(states.names.size(), 51);
    EXPECT_TRUE(states.names.contains("District of Columbia"));
    for (int i = 0; i < states.names.size(); ++i) {
        EXPECT_FALSE(states.names[i].contains(" -")) << states.names[i].toStdString();
        EXPECT_TRUE(states.urls[i].startsWith("https://")) << states.urls[i].toStdString();
        EXPECT_FALSE(rowsAfter(file.rows, states.names[i], 2).isEmpty()) << states.names[i].toStdString();
    }
}
