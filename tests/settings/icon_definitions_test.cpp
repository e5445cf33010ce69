#include "settings/icon_definitions.h"

#include "settings/program_state.h"
#include "test_support.h"

namespace {
const std::vector<QString> kNone{QString()};
const std::vector<int> kNoCategory{0};
} // namespace

TEST(ConditionPicture, DayAndNightByHour)
{
    EXPECT_EQ(conditionPictureNumber("PARTLY CLOUDY", 14, kNone, kNoCategory), 1);
    EXPECT_EQ(conditionPictureNumber("PARTLY CLOUDY", 19, kNone, kNoCategory), 21);
    EXPECT_EQ(conditionPictureNumber("PARTLY CLOUDY", 5, kNone, kNoCategory), 21);
    EXPECT_EQ(conditionPictureNumber("PARTLY CLOUDY", 6, kNone, kNoCategory), 1);
    EXPECT_EQ(conditionPictureNumber("PARTLY CLOUDY", 18, kNone, kNoCategory), 1);
    EXPECT_EQ(conditionPictureNumber("PARTLY CLOUDY", 0, kNone, kNoCategory), 21);
}

TEST(ConditionPicture, WordGroupsAndTheUnknownPicture)
{
    EXPECT_EQ(conditionPictureNumber("", 12, kNone, kNoCategory), 12);
    EXPECT_EQ(conditionPictureNumber("NOREPORT", 12, kNone, kNoCategory), 12);
    EXPECT_EQ(conditionPictureNumber("NOREPORT", 23, kNone, kNoCategory), 12);
    EXPECT_EQ(conditionPictureNumber("N/A", 12, kNone, kNoCategory), 12);
    EXPECT_EQ(conditionPictureNumber("RAIN/FOG", 12, kNone, kNoCategory), 4);
    EXPECT_EQ(conditionPictureNumber("RAIN/FOG", 22, kNone, kNoCategory), 24);
    EXPECT_EQ(conditionPictureNumber("SNOW  RAIN", 12, kNone, kNoCategory), 10);
    EXPECT_EQ(conditionPictureNumber("SNOW RAIN", 12, kNone, kNoCategory), 12);
    EXPECT_EQ(conditionPictureNumber("tstm", 12, kNone, kNoCategory), 7);
    EXPECT_EQ(conditionPictureNumber("OVERCAST", 12, kNone, kNoCategory), 11);
    EXPECT_EQ(conditionPictureNumber("LGT RAIN", 12, kNone, kNoCategory), 8);
}

TEST(ConditionPicture, UserDefinitionsComeFirstAndCompareExactly)
{
    const std::vector<QString> names{"RAIN", "HAIL"};
    const std::vector<int> categories{10, 42};
    EXPECT_EQ(conditionPictureNumber("RAIN", 12, names, categories), 10);
    EXPECT_EQ(conditionPictureNumber("rain", 12, names, categories), 3);
    EXPECT_EQ(conditionPictureNumber("RAIN", 21, names, categories), 30);
    EXPECT_EQ(conditionPictureNumber("HAIL", 21, names, categories), 12); // category out of range
}

class IconDefinitionsFile : public SandboxTest {};

TEST_F(IconDefinitionsFile, SavesOnlyRealDefinitions)
{
    Save_IconDefs();
    EXPECT_FALSE(QFile::exists(path("CVIcons.cvd")));

    program().IconName = {"HAIL", "SLEET", "DUST"};
    program().IconCategory = {6, 10, 5};
    Save_IconDefs();
    EXPECT_EQ(readFile("CVIcons.cvd"), "[ICON DEFS]\r\nHAIL\r\n6\r\nSLEET\r\n10\r\nDUST\r\n5\r\n[END]\r\n");

    program().IconName = {"X"};
    program().IconCategory = {-3};
    Save_IconDefs();
    EXPECT_TRUE(readFile("CVIcons.cvd").contains("\r\n-3\r\n"));
}

TEST_F(IconDefinitionsFile, LoadSkipsEmptyPairsAndKeepsTheTableWithoutAny)
{
    writeLines("CVIcons.cvd", {"[ICON DEFS]", "HAIL", "6", "", "3", "SLEET", "10", "[END]"});
    Load_IconDefs();
    EXPECT_EQ(program().IconName, (std::vector<QString>{"HAIL", "SLEET"}));
    EXPECT_EQ(program().IconCategory, (std::vector<int>{6, 10}));

    writeLines("CVIcons.cvd", {"[ICON DEFS]", "", "", "[END]"});
    Load_IconDefs();
    EXPECT_EQ(program().IconName.size(), 2u); // nothing usable: the table stays

    writeLines("CVIcons.cvd", {"[icon defs]", "FOGGY", "5", "[END]"});
    Load_IconDefs();
    EXPECT_EQ(program().IconName.front(), "HAIL");

    writeLines("CVIcons.cvd", {"[ICON DEFS]", "SMOG", "five", "MIST", "4.5", "CUT"});
    Load_IconDefs(); // no "[END]": stops at the end of the file
    EXPECT_EQ(program().IconName, (std::vector<QString>{"SMOG", "MIST"}));
    EXPECT_EQ(program().IconCategory, (std::vector<int>{0, 4}));
}
