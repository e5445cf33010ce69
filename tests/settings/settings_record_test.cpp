#include "settings/settings_record.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/settings_store.h"
#include "platform/color_values.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

namespace {

class SettingsRecordTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://roundup.example/tx/rwr.txt",
                                         "DALLAS", "AUSTIN", "[END]"});
        writeFile("Sounds/Thunder.wav", "RIFF");
        writeFile("Sounds/Chime.wav", "RIFF");
        writeFile("Sounds/Storm, heavy.wav", "RIFF");
    }
};

} // namespace

TEST_F(SettingsRecordTest, SaveAndLoadGiveTheSameHolders)
{
    Form2& options = form2();
    Form1& main = form1();
    addWatchEntry(options.List3, "Texas - DALLAS", true);
    addWatchEntry(options.List3, "Texas - AUSTIN", false);
    addWatchEntry(options.List3, "Texas - FORT WORTH, TX", true);
    options.Combo1->setCurrentIndex(3);
    main.Visual->setChecked(false);
    main.IgnoreUV->setChecked(true);
    main.TempD[0]->setChecked(false);
    main.TempD[1]->setChecked(true);
    program().AnimKind = 1;
    options.Combo3->setCurrentIndex(1);
    options.Option1[2]->setChecked(true);
    options.Text1[0]->setText("proxy.local");
    options.Check2->setChecked(true);
    options.Combo2->setCurrentText("Thunder");
    options.Combo4->setCurrentText("Storm, heavy");
    ASSERT_TRUE(Save_Settings());

    const QString file = readFile("CRVN.ini");
    EXPECT_TRUE(file.startsWith("[CRVN INFO] Version 1.7.7\r\nTexas - DALLAS\r\nTrue\r\n"));
    EXPECT_EQ(file.count("\r\n"), 36 + 6);
    EXPECT_EQ(GetSetting("Settings", "NumberOfSites", "?"), " 2");
    EXPECT_EQ(GetSetting("Settings", "Log It 1", "?"), "False");
    EXPECT_EQ(GetSetting("Settings", "Visual Alert", "?"), "False");
    EXPECT_EQ(GetSetting("Settings", "Interval", "?"), " 3");
    EXPECT_EQ(GetSetting("Settings", "Timer1Interval", "?"), " 100");

    releaseAllForms();
    resetProgramState();
    Form2& again = form2();
    ASSERT_EQ(again.List3->count(), 3);
    EXPECT_EQ(again.List3->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(again.List3->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(again.List3->item(2)->text(), "Texas - FORT WORTH, TX");
    EXPECT_EQ(again.List3->item(2)->checkState(), Qt::Checked);
    EXPECT_EQ(again.Combo1->currentIndex(), 3);
    EXPECT_EQ(program().UpdateInterval, 15);
    EXPECT_FALSE(form1().Visual->isChecked());
    EXPECT_TRUE(form1().IgnoreUV->isChecked());
    EXPECT_TRUE(form1().TempD[1]->isChecked());
    EXPECT_EQ(program().AnimKind, 1);
    EXPECT_EQ(again.Combo3->currentIndex(), 1);
    EXPECT_EQ(weather().Timer1->interval(), 100);
    EXPECT_TRUE(again.Option1[2]->isChecked());
    EXPECT_EQ(again.Text1[0]->text(), "proxy.local");
    EXPECT_TRUE(again.Check2->isChecked());
    EXPECT_EQ(again.Combo2->currentText(), "Thunder");
    EXPECT_EQ(again.Combo4->currentText(), "Storm, heavy");
    EXPECT_TRUE(program().SlotOn[0]);
    EXPECT_EQ(program().SlotURL[1], "https://roundup.example/tx/rwr.txt");
}

TEST_F(SettingsRecordTest, ColoursFollowTheColourSetting)
{
    Form2& options = form2();
    options.Check5->setChecked(false);
    setBackColor(options.Label2[3], kRed);
    ASSERT_TRUE(Save_Settings());
    EXPECT_EQ(backColor(options.Label2[3]), kButtonTextColor); // reset by the save
    EXPECT_EQ(foreColor(form1().Label4[2]), kButtonTextColor);
    EXPECT_EQ(backColor(form1().Label9[7]), kPaleCyan);
    EXPECT_EQ(backColor(form1().S_Warning[0]), kButtonFaceColor); // lamps untouched

    Set_BackColors(kGreen);
    releaseAllForms();
    form2(); // a file with the colour setting off leaves the table as it is
    EXPECT_NE(backColor(form1().Label9[7]), kPaleCyan);
}

TEST_F(SettingsRecordTest, MissingOldOrUnknownValuesKeepTheDefaults)
{
    writeLines("CRVN.ini", {"[CRVN INFO] Version 1.6.9", "Texas - DALLAS", "True", "[INTERVAL]", " 4"});
    Form2& options = form2();
    EXPECT_EQ(options.List3->count(), 0);
    EXPECT_EQ(program().UpdateInterval, 60);
    EXPECT_FALSE(program().SlotOn[0]);
    releaseAllForms();

    writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - DALLAS", "True", "[INTERVAL]", " 12",
                            "[PARAMETERS]"});
    Form2& truncated = form2();
    EXPECT_EQ(truncated.List3->count(), 1);
    EXPECT_EQ(truncated.Combo1->currentIndex(), 0);
    EXPECT_EQ(program().UpdateInterval, 60);
    EXPECT_TRUE(form1().Visual->isChecked());
    EXPECT_TRUE(program().SlotOn[0]);
    releaseAllForms();

    QStringList lines = {"[CRVN INFO] Version 1.7.7", "[INTERVAL]", " 0", "[PARAMETERS]"};
    for (int i = 0; i < 13; ++i)
        lines << "True";
    lines << " 25" << "0" << "0" << "" << "" << "" << " 0" << " 0" << " 0" << "False" << "False" << " 1"
          << "-2147483630" << " 16777152" << "[ALERT]" << "Gone" << "Chime" << "True" << "False";
    writeLines("CRVN.ini", lines);
    Form2& sounds = form2();
    EXPECT_EQ(sounds.Combo2->currentText(), "(none)"); // a sound no longer in the folder
    EXPECT_EQ(sounds.Combo4->currentText(), "Chime");
    EXPECT_EQ(sounds.Text2->text(), "75067");            // an empty line keeps the design value
}

TEST_F(SettingsRecordTest, AFailedSaveSaysSoAndWritesNoMirror)
{
    form2();
    addWatchEntry(form2().List3, "Texas - DALLAS", true);
    ASSERT_TRUE(QDir().mkpath(path("CRVN.ini/in-the-way"))); // the file cannot be replaced
    EXPECT_FALSE(Save_Settings());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("could not be saved"));
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(QFileInfo::exists(path("CRVN.ini/in-the-way")));
    EXPECT_EQ(GetSetting("Settings", "Site 0", "none"), "none");
}
