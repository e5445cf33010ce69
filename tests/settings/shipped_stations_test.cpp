// The shipped stations of the states whose real roundup tables we hold are
// spelled as those tables spell them: the update finds each one's own row.
#include "options/states_cities.h"
#include "support/samples.h"
#include "update/station_search.h"

#include <gtest/gtest.h>

TEST(ShippedStations, EveryStationOfACheckedStateIsARowOfItsTable)
{
    const StatesFile file = readStatesFile(QStringLiteral(CORVANE_DATA_DIR "/States_Cities.cvd"));
    const StateList states = statesFromRows(file.rows);
    const std::pair<const char*, const char*> checked[] = {
        {"Washington", "roundup-WA-2022-10-23.txt"},
        {"New York", "roundup-NY-ALY-2026-03-17.txt"},
    };
    for (const auto& [state, sample] : checked) {
        const QString roundup = sampleText(sample);
        const qsizetype at = states.names.indexOf(state);
        ASSERT_GE(at, 0) << state;
        const QStringList cities = rowsAfter(file.rows, state, 2);
        ASSERT_FALSE(cities.isEmpty()) << state;
        for (const QString& city : cities) {
            const std::string where = std::string(state) + ": " + city.toStdString();
            const StationSearch found =
                findStationLine(roundup, states.urls[at], city, programSearchMarkers());
            ASSERT_EQ(found.status, StationSearch::Found) << where;
            // The name column of the row found is the station's name, not a
            // longer one or a heading that holds it.
            EXPECT_EQ(found.line.left(15).trimmed(), city) << where;
        }
    }
}
