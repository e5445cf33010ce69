#include "settings/settings_record.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/settings_store.h"
#include "platform/color_values.h"
#include "settings/program_state.h"
#include "support/failing_writes.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>
#include <functional>

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

// CRVN.ini that cannot be replaced once the store was written: the store is
// put back, or when that fails too, the message says what was saved where,
// and Save & Exit what leaving would keep.
TEST_F(SettingsRecordTest, AFileThatCannotBeReplacedPutsTheStoreBack)
{
    const QString replaced = "Your settings could not be saved to " + path("CRVN.ini");
    const QString halfSaved = "Your settings were saved to " + settingsStorePath() + ", but not to " + path("CRVN.ini");
    const QString leaveUnsaved = "\nCorvane stays open. To leave without saving, choose File > Exit.";
    const QString leaveHalfSaved = "\nCorvane stays open. File > Exit keeps both files as they are now: Corvane then "
                                   "starts with the settings saved before in CRVN.ini.";
    for (const bool storeFailsAfter : {false, true}) {
        SCOPED_TRACE(storeFailsAfter);
        addWatchEntry(form2().List3, "Texas - DALLAS", true);
        ASSERT_TRUE(QDir().mkpath(path("CRVN.ini/in-the-way"))); // the file cannot be replaced
        int storeWrites = 0;
        FailingWrites fails([&](const QString& file) {
            return file == settingsStorePath() && ++storeWrites > 1 && storeFailsAfter;
        });
        messages.clear();
        form1().SaveExit_Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.startsWith(storeFailsAfter ? halfSaved : replaced)) << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.endsWith(storeFailsAfter ? leaveHalfSaved : leaveUnsaved))
            << messages[0].text.toStdString();
        EXPECT_EQ(form1().Closing, 0);
        EXPECT_TRUE(QFileInfo::exists(path("CRVN.ini/in-the-way")));
        EXPECT_EQ(GetSetting("Settings", "Site 0", "none"), storeFailsAfter ? "Texas - DALLAS" : "none");
    }
}

// A save writes CRVN.ini and the store as one set: when either cannot be
// written, neither changes and the message says so; the options dialog stays
// open, and so does the program after Save & Exit, which says how to leave.
TEST_F(SettingsRecordTest, ASaveThatCannotWriteOnePartChangesNeither)
{
    writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas",
                                     QString("http://127.0.0.1:%1/tx.txt").arg(LocalHttpServer::refusedPort()),
                                     "DALLAS", "AUSTIN", "[END]"});
    Form2& options = form2();
    Form1& main = form1();
    const auto storeBytes = [] {
        QFile store(settingsStorePath());
        return store.open(QIODevice::ReadOnly) ? store.readAll() : QByteArray("(none)");
    };
    const struct { const char* by; std::function<void()> save; bool inDialog, exits; } paths[] = {
        {"Save Settings", [&] { main.SaveS_Click(); }, false, false},
        {"Save & Exit", [&] { main.SaveExit_Click(); }, false, true},
        {"Save & Refresh", [&] { options.Command1_Click(0); }, true, false},
        {"Save & No Refresh", [&] { options.Command1_Click(4); }, true, false},
    };
    for (const auto& path : paths) {
        for (const QString failing : {"CRVN.ini", "Corvane.conf"}) {
            SCOPED_TRACE(std::string(path.by) + ", " + failing.toStdString());
            options.List3->clear();
            addWatchEntry(options.List3, "Texas - DALLAS", true);
            options.Text6->setText("5");
            options.Check7->setChecked(false);
            options.Command1_Click(4);
            const QString fileBefore = readFile("CRVN.ini");
            const QByteArray storeBefore = storeBytes();

            addWatchEntry(options.List3, "Texas - AUSTIN", false);
            options.Text6->setText("7");
            options.Check7->setChecked(true);
            options.setVisible(path.inDialog);
            messages.clear();
            {
                FailingWrites fails([&](const QString& file) { return file.endsWith(failing); });
                path.save();
            }
            EXPECT_EQ(readFile("CRVN.ini").toStdString(), fileBefore.toStdString());
            EXPECT_EQ(storeBytes().toStdString(), storeBefore.toStdString());
            ASSERT_EQ(messages.size(), 1u);
            const QString text = messages[0].text;
            EXPECT_TRUE(text.contains("could not be saved to") && text.contains(failing)) << text.toStdString();
            EXPECT_TRUE(text.contains("The settings saved before are unchanged.")) << text.toStdString();
            EXPECT_EQ(text.contains("Corvane stays open. To leave without saving, choose File > Exit."), path.exits);
            EXPECT_EQ(options.isVisible(), path.inDialog);
            EXPECT_EQ(program().VerifyVersionOn, 0);
            EXPECT_EQ(main.Closing, 0);
            EXPECT_EQ(removeStaleSaveTemporaries(home()), 0);
            options.hide();
        }
    }
}
