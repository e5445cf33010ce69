#include "settings/icon_definitions.h"

#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTime>

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

TEST_F(IconDefinitionsFile, HugeCategoryStaysOutOfRangeInsteadOfWrapping)
{
    // 2^32 + 3 would wrap round to category 3 in a 32-bit integer.
    writeLines("CVIcons.cvd", {"[ICON DEFS]", "HAIL", "4294967299", "SLEET", "-1e30", "[END]"});
    Load_IconDefs();
    ASSERT_EQ(program().IconName.size(), 2u);
    EXPECT_EQ(conditionPictureNumber("HAIL", 12, program().IconName, program().IconCategory), 12);
    EXPECT_EQ(conditionPictureNumber("SLEET", 12, program().IconName, program().IconCategory), 12);
}

TEST_F(IconDefinitionsFile, FailedSaveTellsTheUser)
{
    QDir().mkpath(path("CVIcons.cvd/blocked")); // a folder stands where the file goes
    program().IconName = {"HAIL"};
    program().IconCategory = {6};
    Save_IconDefs();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Corvane");
    EXPECT_TRUE(messages[0].text.contains("could not be saved"));
    EXPECT_TRUE(QFileInfo(path("CVIcons.cvd/blocked")).isDir());
}

class PickIconTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd"); // the options dialog needs it to load
    }
};

TEST_F(PickIconTest, TrimsBlanksAndShowsTheChosenPicture)
{
    Form2& options = form2();
    QLabel caption;
    const auto same = [&](int picture) {
        return options.Image2[13]->pixmap().toImage() == options.Image2[picture]->pixmap().toImage();
    };

    caption.setText("  SNOW ");
    const int before = QTime::currentTime().hour();
    EXPECT_TRUE(Pick_Icon(&caption));
    const int after = QTime::currentTime().hour();
    EXPECT_EQ(caption.text(), "SNOW");
    const bool night = before <= 5 || before >= 19;
    if (before == after) {
        EXPECT_TRUE(same(night ? 26 : 6));
    }

    caption.setText("   ");
    Pick_Icon(&caption);
    EXPECT_EQ(caption.text(), "");
    EXPECT_TRUE(same(12));

    caption.setText("\tSNOW"); // only blanks are trimmed
    Pick_Icon(&caption);
    EXPECT_EQ(caption.text(), "\tSNOW");
    EXPECT_TRUE(same(12));
}
