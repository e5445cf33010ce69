// The options dialog's load: the store values, their defaults and clamps,
// and the program-wide values it sets.
#include "options/options_dialog.h"

#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "platform/settings_store.h"
#include "settings/program_state.h"
#include "settings/string_routines.h"
#include "test_support.h"
#include "watch_rows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>

namespace {

class OptionsLoadTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://roundup.example/tx.txt", "WACO",
                                         "[END]"});
    }

    // The dialog loaded afresh with the store as it is now.
    Form2& reload()
    {
        form2().loadAfresh();
        return form2();
    }
};

// What the dialog's controls and hidden lists hold, control by control in
// the dialog's own order: two dialogs built alike give two equal lists.
QStringList controlValues(const Form2& dialog)
{
    QStringList values;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isCheckable())
            values << button->text() + (button->isChecked() ? ": on" : ": off");
    for (const QLineEdit* box : dialog.findChildren<QLineEdit*>())
        values << box->text();
    for (const QSlider* slider : dialog.findChildren<QSlider*>())
        values << QString::number(slider->value());
    for (const QComboBox* box : dialog.findChildren<QComboBox*>())
        values << box->currentText() + " of " + QString::number(box->count());
    for (const QListWidget* list : dialog.findChildren<QListWidget*>())
        values << watchRows(list).join('|') + " at " + QString::number(list->currentRow());
    values << dialog.List4.join('|') << dialog.List5.join('|')
           << QStringList(dialog.List6.cbegin(), dialog.List6.cend()).join('|')
           << QString::number(dialog.StateRow) << dialog.Label3->text() + (dialog.Label3->isHidden() ? "" : " shown");
    return values;
}

QString scrambled(const QString& plain)
{
    QString copy = plain;
    return Flip_Bits(copy);
}

} // namespace

TEST_F(OptionsLoadTest, PauseTimeBelowOneShowsThree)
{
    for (const char* stored : {"0", "-4", "letters", "", "0.9"}) {
        SaveSetting("Internet", "Pause Time", stored);
        EXPECT_EQ(reload().Text6->text(), "3") << stored;
    }
    SaveSetting("Internet", "Pause Time", "7 seconds");
    EXPECT_EQ(reload().Text6->text(), "7 seconds"); // its leading number is 7: kept as typed
}

TEST_F(OptionsLoadTest, TimeOutBelowTenShowsTenAndSetsTheRequestTimeOut)
{
    for (const char* stored : {"5", "", "abc", "9.9"}) {
        SaveSetting("Internet", "Internet Time Out", stored);
        EXPECT_EQ(reload().Text7->text(), "10") << stored;
        EXPECT_EQ(program().InetTimeout, 10) << stored;
    }
    SaveSetting("Internet", "Internet Time Out", "45");
    EXPECT_EQ(reload().Text7->text(), "45");
    EXPECT_EQ(program().InetTimeout, 45);

    // A time-out too large for the program's whole numbers keeps the last value.
    SaveSetting("Internet", "Internet Time Out", "99999");
    EXPECT_EQ(reload().Text7->text(), "99999");
    EXPECT_EQ(program().InetTimeout, 45);
}

TEST_F(OptionsLoadTest, StoredChoicesSelectTheirButtonsAndProgramValues)
{
    SaveSetting("Settings", "DigitColor", "2");
    SaveSetting("Settings", "PopUp", "3");
    SaveSetting("Settings", "VerifyVersion", "1");
    SaveSetting("Internet", "KeepLast", "0");
    SaveSetting("Internet", "WarnBlink", "0");
    SaveSetting("Internet", "Connection", "1");
    SaveSetting("Internet", "Dialup Name", "Work Line");
    SaveSetting("Internet", "Time Out", "75");
    SaveSetting("Internet", "AutoOff", "1");
    Form2& options = reload();
    EXPECT_TRUE(options.Option6[2]->isChecked());
    EXPECT_EQ(program().DigitColorIndex, 2);
    EXPECT_TRUE(options.Option5[3]->isChecked());
    EXPECT_FALSE(options.Option5[0]->isChecked());
    EXPECT_EQ(program().PopUpIndex, 3);
    EXPECT_TRUE(options.Check7->isChecked());
    EXPECT_EQ(program().VerifyVersionOn, 1);
    EXPECT_FALSE(options.Check6->isChecked());
    EXPECT_EQ(program().KeepLastOn, 0);
    EXPECT_FALSE(options.Check8->isChecked());
    EXPECT_TRUE(options.Option4[1]->isChecked());
    EXPECT_FALSE(options.Option4[0]->isChecked());
    EXPECT_EQ(options.Text5->text(), "Work Line");
    EXPECT_EQ(options.Slider1->value(), 75);
    EXPECT_TRUE(options.Check1[0]->isChecked());
}

TEST_F(OptionsLoadTest, ValuesThatNameNoButtonLeaveThatControlAndGoOn)
{
    program().PopUpIndex = 1;
    SaveSetting("Settings", "DigitColor", "7");
    SaveSetting("Settings", "PopUp", "-1");
    SaveSetting("Internet", "Connection", "5");
    SaveSetting("Internet", "Time Out", "100000");
    SaveSetting("Internet", "Dialup Name", "Home");
    Form2& options = reload();
    EXPECT_EQ(program().DigitColorIndex, 0);
    for (QRadioButton* button : options.Option6)
        EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(program().PopUpIndex, 1);
    EXPECT_TRUE(options.Option4[0]->isChecked()); // the design choice stays
    EXPECT_EQ(options.Slider1->value(), 30);
    EXPECT_EQ(options.Text5->text(), "Home"); // later steps still ran
    EXPECT_EQ(options.List1->count(), 1);
}

TEST_F(OptionsLoadTest, AutoDisconnectNeedsANumberNotANumericPrefix)
{
    SaveSetting("Internet", "AutoOff", "1 please");
    EXPECT_FALSE(reload().Check1[0]->isChecked());
    SaveSetting("Internet", "AutoOff", " 1 ");
    EXPECT_TRUE(reload().Check1[0]->isChecked());
    SaveSetting("Internet", "AutoOff", "0.6");
    EXPECT_TRUE(reload().Check1[0]->isChecked());
    SaveSetting("Internet", "AutoOff", "");
    EXPECT_FALSE(reload().Check1[0]->isChecked());
}

TEST_F(OptionsLoadTest, ProxyCredentialsBlankMeansNothingAndThePasswordIsUnscrambled)
{
    SaveSetting("Proxy", "Username", "Blank");
    SaveSetting("Proxy", "Password", scrambled("s3cr=t"));
    Form2& options = reload();
    EXPECT_EQ(program().ProxyUserName, "");
    EXPECT_EQ(options.ProxyUser->text(), "");
    EXPECT_EQ(program().ProxyPwd, "s3cr=t");
    EXPECT_EQ(options.ProxyPassword->text(), "s3cr=t");
    EXPECT_EQ(options.ProxyPassword->echoMode(), QLineEdit::Password);

    SaveSetting("Proxy", "Username", "walker");
    SaveSetting("Proxy", "Password", "Blank");
    Form2& again = reload();
    EXPECT_EQ(program().ProxyUserName, "walker");
    EXPECT_EQ(again.ProxyUser->text(), "walker");
    EXPECT_EQ(program().ProxyPwd, "");
    EXPECT_EQ(again.ProxyPassword->text(), "");
}

TEST_F(OptionsLoadTest, LoadResetsTheSlotAddressesTheMailListAndTheInterval)
{
    program().SlotURL[3] = "https://old.example/x";
    program().UpdateInterval = 5;
    Form2& options = form2();
    for (const QString& url : program().SlotURL)
        EXPECT_TRUE(url.isEmpty());
    EXPECT_EQ(program().UpdateInterval, 60); // no settings file to replace it
    EXPECT_TRUE(options.List6.isEmpty());
}

TEST_F(OptionsLoadTest, ChosenDigitColourIsStoredAtOnce)
{
    SaveSetting("Settings", "DigitColor", "1");
    Form2& options = reload();
    EXPECT_EQ(GetSetting("Settings", "DigitColor", "x"), "1");
    // A digital window already there takes the new colour at once.
    WethWind& digital = wethWind();
    digital.DigitColorChange();
    const QImage before = digital.Image1[19]->pixmap().toImage();
    ASSERT_FALSE(before.isNull());
    options.Option6[3]->setChecked(true);
    EXPECT_NE(digital.Image1[19]->pixmap().toImage(), before);
    EXPECT_EQ(program().DigitColorIndex, 3);
    EXPECT_EQ(GetSetting("Settings", "DigitColor", "x"), "3");
    EXPECT_EQ(reload().Option6[3]->isChecked(), true);
}

// The options opened on an empty watch list load the dialog afresh where it
// stands: after a run of edits and with stored values that no load step can
// use, it is the same as a dialog created new, and the store is left as it was.
TEST_F(OptionsLoadTest, LoadingAfreshGivesWhatANewDialogGets)
{
    writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://roundup.example/tx.txt", "WACO", "",
                                     "Maine", "https://roundup.example/me.txt", "PORTLAND", "[END]"});
    writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - WACO", "True", "[INTERVAL]", " 3"});
    struct Stored { const char *section, *key, *usable, *unusable; }; // unusable by any load step
    const Stored stored[] = {{"Settings", "DigitColor", "2", "7"},  {"Settings", "PopUp", "3", "-1"},
                             {"Settings", "VerifyVersion", "1", "x"}, {"Internet", "KeepLast", "0", "x"},
                             {"Internet", "WarnBlink", "0", "2"},   {"Internet", "Connection", "1", "5"},
                             {"Internet", "Time Out", "90", "500"}, {"Internet", "AutoOff", "1", "yes"}};
    for (const Stored& value : stored)
        SaveSetting(value.section, value.key, value.usable);
    Form2& options = reload();
    options.List1->setCurrentRow(1);
    options.Text4->setText("FOG");
    options.Option3[5]->setChecked(true);
    options.Command1_Click(3); // Delete All
    options.List6 << "counted mail";
    options.Label3->setText("12"); // the hidden counter, shown and counting
    options.Label3->show();

    for (const Stored& value : stored)
        SaveSetting(value.section, value.key, value.unusable);
    options.loadAfresh();
    const QStringList afresh = controlValues(options);
    EXPECT_EQ(watchRows(options.List3), QStringList{"Texas - WACO [x]"});
    for (const Stored& value : stored)
        EXPECT_EQ(GetSetting(value.section, value.key, "?"), value.unusable) << value.key;

    releaseAllForms();
    EXPECT_EQ(afresh, controlValues(form2()));
}
