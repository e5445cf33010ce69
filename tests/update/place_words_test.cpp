#include "update/place_words.h"

#include <gtest/gtest.h>

TEST(PlaceWords, WholeWordsOfThePlaceWhateverTheCase)
{
    struct Case {
        const char* text;
        const char* place;
        qsizetype start; // -1: not named
        qsizetype length;
    } cases[] = {
        {"Dallas, TX", "DALLAS", 0, 6},
        {"Collin; Dallas; Denton", "DALLAS", 8, 6},
        {"Jacksonville Beach", "JACKSON", -1, 0},
        {"Duval; Jackson", "JACKSONVILLE", -1, 0},
        {"Fort Bend, TX", "FORT WORTH", -1, 0},
        {"Iowa, IA", "IOWA CITY", -1, 0},
        {"Iowa; City of Tiffin", "IOWA CITY", -1, 0},
        {"near Fort\nWorth today", "FORT WORTH", 5, 10},
        {"St. Louis, MO", "ST LOUIS", 0, 9},
        {"ST LOUIS", "ST. LOUIS", 0, 8},
        {"Kootenai (Coeur d'Alene)", "COEUR D'ALENE", 10, 13},
        {"Raleigh Durham airport", "RALEIGH-DURHAM", 0, 14},
        {"Portland, OR", "PORTLAND, OR", 0, 12},
        {"Dallas", "", -1, 0},
        {"Dallas", " - ", -1, 0},
        {"", "DALLAS", -1, 0},
    };
    for (const Case& c : cases) {
        const std::optional<PlaceSpan> span = findPlaceWords(c.text, c.place);
        const std::string where = std::string(c.place) + " in " + c.text;
        EXPECT_EQ(namesPlace(c.text, c.place), c.start >= 0) << where;
        if (c.start < 0) {
            EXPECT_FALSE(span) << where;
            continue;
        }
        ASSERT_TRUE(span) << where;
        EXPECT_EQ(span->start, c.start) << where;
        EXPECT_EQ(span->length, c.length) << where;
    }
}
