// The shipped stations of the states whose real roundup tables we hold are
// spelled as those tables spell them, and the update finds their own rows.
#include "options/states_cities.h"
#include "settings/source_addresses.h"
#include "support/samples.h"
#include "update/station_search.h"

#include <gtest/gtest.h>

namespace {

// The station names of a roundup: the first 15 characters of each row
// under a "CITY" heading, up to the "$$" that ends the table.
QStringList tableStations(const QString& roundup)
{
    QStringList names;
    bool inTable = false;
    for (const QString& line : roundup.split('\n')) {
        if (line.startsWith("CITY "))
            inTable = true;
        else if (line.startsWith("$$"))
            inTable = false;
        else if (inTable && line.size() > 15 && line[0] != ' ' && !line.startsWith("6HR "))
            names << line.left(15).trimmed();
    }
    return names;
}

} // namespace

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
        const QStringList listed = tableStations(roundup);
        ASSERT_GE(listed.size(), 27) << sample;
        const qsizetype at = states.names.indexOf(state);
        ASSERT_GE(at, 0) << state;
        const QStringList cities = rowsAfter(file.rows, state, 2);
        ASSERT_FALSE(cities.isEmpty()) << state;
        for (const QString& city : cities) {
            const std::string where = std::string(state) + ": " + city.toStdString();
            EXPECT_TRUE(listed.contains(city)) << where;
            const StationSearch found =
                findStationLine(roundup, states.urls[at], city, {sources::roundupBase(), QString(), QString()});
            ASSERT_EQ(found.status, StationSearch::Found) << where;
            EXPECT_EQ(found.line.left(15).trimmed(), city) << where;
        }
    }
}
