// The shipped stations of the states whose real roundup tables we hold are
// spelled as those tables spell them: the update finds each one's own row.
#include "options/states_cities.h"
#include "support/samples.h"
#include "update/report_parser.h"
#include "update/station_search.h"

#include <gtest/gtest.h>

TEST(ShippedStations, EveryStationOfACheckedStateIsARowOfItsTable)
{
    const StatesFile file = readStatesFile(QStringLiteral(CORVANE_DATA_DIR "/States_Cities.cvd"));
    const StateList states = statesFromRows(file.rows);
    // Beside the shipped stations, places a user may add: some with a row,
    // some without one, which a zone's heading or a longer name that begins
    // with them holds, and some that end a longer name, read from its row
    // (with that row's temperature).
    struct Checked {
        const char* state;
        const char* sample;
        QStringList withRow, withoutRow;
        std::vector<std::pair<QString, QString>> endingARow;
    };
    const Checked checked[] = {
        {"Washington", "roundup-WA-2022-10-23.txt", {"EVERETT", "TACOMA NARROWS"}, {"TACOMA"},
         {{"NARROWS", "48"}, {"PARK", "44"}}},
        {"New York", "roundup-NY-ALY-2026-03-17.txt", {}, {"CENTRAL"}, {}},
    };
    for (const Checked& c : checked) {
        const QString roundup = sampleText(c.sample);
        const qsizetype at = states.names.indexOf(c.state);
        ASSERT_GE(at, 0) << c.state;
        const QStringList cities = rowsAfter(file.rows, c.state, 2);
        ASSERT_FALSE(cities.isEmpty()) << c.state;
        for (const QString& city : cities + c.withRow) {
            const std::string where = std::string(c.state) + ": " + city.toStdString();
            const StationSearch found =
                findStationLine(roundup, states.urls[at], city, programSearchMarkers());
            ASSERT_EQ(found.status, StationSearch::Found) << where;
            // The name column of the row found is the station's name, not a
            // longer one or a heading that holds it.
            EXPECT_EQ(found.line.left(15).trimmed(), city) << where;
        }
        for (const auto& [place, temperature] : c.endingARow) {
            const StationSearch found = findStationLine(roundup, states.urls[at], place, programSearchMarkers());
            ASSERT_EQ(found.status, StationSearch::Found) << place.toStdString();
            EXPECT_TRUE(found.longerName) << place.toStdString();
            StationRow row;
            Parse_Report({"NA", found.line, roundup, place, found.position, false, false, found.longerName}, row);
            EXPECT_EQ(row.temperature, temperature) << place.toStdString();
        }
        for (const QString& place : c.withoutRow) {
            EXPECT_EQ(findStationLine(roundup, states.urls[at], place, programSearchMarkers()).status,
                      StationSearch::Missing)
                << c.state << ": " << place.toStdString();
        }
    }
}
