#include "options/options_dialog.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/list_rows.h"
#include "platform/screen.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "platform/color_values.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

class OptionsDialogTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://roundup.example/tx/rwr.txt",
                                         "WACO", "AUSTIN", "DALLAS", "", "Maine",
                                         "https://roundup.example/me/rwr.txt", "PORTLAND", "", "DALLAS",
                                         "https://roundup.example/xx/rwr.txt", "", "Oregon",
                                         "https://roundup.example/or/rwr.txt", "salem", "Bend", "PORTLAND",
                                         "eugene", "[END]"});
    }

    void TearDown() override
    {
        SoundPlayer::instance().listener = nullptr;
        SandboxTest::TearDown();
    }
};

} // namespace

TEST_F(OptionsDialogTest, DesignValuesCaptionsAndGroups)
{
    Form2 dialog; // constructed only: what the design gives before any load
    EXPECT_EQ(dialog.windowTitle(), "Corvane Options");
    ASSERT_EQ(dialog.SSTab1->count(), 4);
    EXPECT_EQ(dialog.SSTab1->tabText(0), "City Selection");
    EXPECT_EQ(dialog.SSTab1->tabText(1), "Internet");
    EXPECT_EQ(dialog.SSTab1->tabText(2), "Settings");
    EXPECT_EQ(dialog.SSTab1->tabText(3), "Weather Icons");
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()); // fixed size

    const std::vector<std::pair<QGroupBox*, const char*>> frames{
        {dialog.Frame1[0], "Conditions Log"},      {dialog.Frame1[1], "Internet Access"},
        {dialog.Frame1[2], "Internet Connection"}, {dialog.Frame1[3], "Secondary PopUp Window"},
        {dialog.Frame1[4], "Site Refresh"},        {dialog.Frame1[5], "Digital Display Color"},
        {dialog.Frame1[6], ""},                    {dialog.Frame1[7], ""},
        {dialog.Frame2, "Weather Text Display"},   {dialog.Frame3[0], "Icon Definitions"},
        {dialog.Frame3[1], "Weather Settings"},    {dialog.Frame3[2], "E-Mail"}};
    for (const auto& [frame, title] : frames) {
        ASSERT_NE(frame, nullptr) << title;
        EXPECT_EQ(frame->title(), title);
    }
    EXPECT_EQ(dialog.SSTab1->indexOf(dialog.Frame1[2]->parentWidget()), 1);
    EXPECT_EQ(dialog.SSTab1->indexOf(dialog.Frame2->parentWidget()), 2);
    EXPECT_EQ(dialog.SSTab1->indexOf(dialog.Frame3[0]->parentWidget()), 3);

    EXPECT_EQ(dialog.Text2->text(), "75067");
    EXPECT_EQ(dialog.Text4->text(), "SUNNY");
    EXPECT_EQ(dialog.Text6->text(), "3");
    EXPECT_EQ(dialog.Text7->text(), "30");
    EXPECT_TRUE(dialog.Check5->isChecked());
    EXPECT_TRUE(dialog.Check8->isChecked());
    EXPECT_TRUE(dialog.Option3[0]->isChecked());
    EXPECT_EQ(dialog.Text3[2]->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.ProxyPassword->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(dialog.Label3->isHidden());
    EXPECT_EQ(dialog.Combo1->count(), 10);
    EXPECT_EQ(dialog.Combo1->itemText(0), "60 Minutes");
    EXPECT_EQ(dialog.Combo1->itemText(5), "05 Minutes");
    EXPECT_EQ(dialog.Combo1->itemText(9), "01 Minute");
    ASSERT_EQ(dialog.Combo3->count(), 3);
    EXPECT_EQ(dialog.Combo3->itemText(2), "Slow");
    EXPECT_EQ(dialog.Check6->toolTip(), "If previous update was good and current isn't, keep last.");
    EXPECT_EQ(dialog.Slider1->toolTip(), "Number of seconds to wait for connection.");
    EXPECT_EQ(dialog.Text1[0]->toolTip(), "Use Domain Name or IP");
    EXPECT_EQ(dialog.Command1[0]->text(), "Save && Refresh"); // shows one ampersand
    EXPECT_EQ(dialog.Option3[7]->text(), "Thunder Storm");
    EXPECT_EQ(dialog.Label1[0]->text(), " State - Province - Country ");

    // The picture store and the mail frames hold pictures from the start.
    for (int i : {0, 11, 12, 13, 14, 15, 20, 31})
        EXPECT_FALSE(dialog.Image2[i]->pixmap().isNull()) << i;
    for (QLabel* frame : dialog.Image1)
        EXPECT_FALSE(frame->pixmap().isNull());

    // The alternate-place table is built in.
    ASSERT_EQ(dialog.List8.size(), 797);
    EXPECT_EQ(dialog.List8.first(), "*Alabama");
    EXPECT_EQ(dialog.List8.last(), "[END]");
}

TEST_F(OptionsDialogTest, OptionButtonsAreExclusiveWithinTheirOwnArrayOnly)
{
    Form2 dialog;
    dialog.Option5[2]->setChecked(true);
    dialog.Option6[1]->setChecked(true);
    dialog.Option1[2]->setChecked(true);
    dialog.Option3[5]->setChecked(true);
    EXPECT_TRUE(dialog.Option5[2]->isChecked());
    EXPECT_TRUE(dialog.Option6[1]->isChecked());
    EXPECT_TRUE(dialog.Option4[0]->isChecked());
    EXPECT_TRUE(dialog.Option2[0]->isChecked());
    EXPECT_FALSE(dialog.Option1[0]->isChecked());
    EXPECT_FALSE(dialog.Option3[0]->isChecked());
    dialog.Option5[0]->setChecked(true);
    EXPECT_FALSE(dialog.Option5[2]->isChecked());
    EXPECT_TRUE(dialog.Option6[1]->isChecked());
}

TEST_F(OptionsDialogTest, WatchListRowsCarryALogMarkHoweverAdded)
{
    Form2 dialog;
    dialog.List3->addItem("Texas - WACO");
    auto* marked = new QListWidgetItem("Maine - PORTLAND");
    marked->setCheckState(Qt::Checked);
    dialog.List3->insertItem(0, marked);
    ASSERT_EQ(dialog.List3->count(), 2);
    EXPECT_TRUE(dialog.List3->item(1)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(dialog.List3->item(1)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(dialog.List3->item(0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(dialog.List3->item(0)->checkState(), Qt::Checked);
}

TEST_F(OptionsDialogTest, FirstRunWithAnEmptyStoreGivesTheDefaults)
{
    Form2& options = form2();
    const ProgramState& state = program();
    EXPECT_EQ(state.DigitColorIndex, 0);
    EXPECT_TRUE(options.Option6[0]->isChecked());
    EXPECT_TRUE(options.Check6->isChecked());
    EXPECT_EQ(state.KeepLastOn, 1);
    EXPECT_EQ(options.Text6->text(), "3");
    EXPECT_EQ(options.Text7->text(), "30");
    EXPECT_EQ(state.InetTimeout, 30);
    EXPECT_TRUE(options.Check8->isChecked());
    EXPECT_TRUE(options.Option5[0]->isChecked());
    EXPECT_EQ(state.PopUpIndex, 0);
    EXPECT_FALSE(options.Check7->isChecked());
    EXPECT_EQ(state.VerifyVersionOn, 0);
    EXPECT_EQ(options.Text5->text(), "");
    EXPECT_TRUE(options.Option4[0]->isChecked());
    EXPECT_EQ(options.Slider1->value(), 30);
    EXPECT_FALSE(options.Check1[0]->isChecked());
    EXPECT_EQ(options.ProxyUser->text(), "");
    EXPECT_EQ(options.ProxyPassword->text(), "");
    EXPECT_EQ(state.ProxyUserName, "");
    EXPECT_EQ(state.ProxyPwd, "");
    EXPECT_EQ(state.UpdateInterval, 60);
    EXPECT_EQ(options.Combo1->currentIndex(), 0);
    EXPECT_EQ(options.Combo2->itemText(0), "(none)");
    EXPECT_EQ(options.List3->count(), 0);
}

TEST_F(OptionsDialogTest, StatesAndCitiesFillThePickers)
{
    Form2& options = form2();
    EXPECT_EQ(rowTexts(options.List1), QStringList({"Texas", "Maine", "DALLAS", "Oregon"}));
    EXPECT_EQ(options.List5, QStringList({"https://roundup.example/tx/rwr.txt", "https://roundup.example/me/rwr.txt",
                                          "https://roundup.example/xx/rwr.txt", "https://roundup.example/or/rwr.txt"}));
    EXPECT_EQ(options.List4.last(), "[END]");
    EXPECT_EQ(options.List4.size(), 20);
    EXPECT_EQ(options.List1->currentRow(), 0);
    EXPECT_EQ(rowTexts(options.List2), QStringList({"AUSTIN", "DALLAS", "WACO"})); // sorted

    // A state named earlier as a city lists what follows that city, in
    // alphabetical order whatever the letter case.
    options.List1->setCurrentRow(2);
    EXPECT_EQ(rowTexts(options.List2), QStringList({"https://roundup.example/me/rwr.txt", "Maine", "PORTLAND"}));

    options.List1->setCurrentRow(3);
    EXPECT_EQ(rowTexts(options.List2), QStringList({"Bend", "eugene", "PORTLAND", "salem"}));

    // Choosing a state again gives the same lists, not more.
    options.List1->setCurrentRow(1);
    options.List1->setCurrentRow(0);
    EXPECT_EQ(rowTexts(options.List2), QStringList({"AUSTIN", "DALLAS", "WACO"}));
}

TEST_F(OptionsDialogTest, AlternatePlacesComeFromTheBuiltInTableInItsOrder)
{
    writeLines("States_Cities.cvd", {"[US States/Cities]", "District of Columbia", "https://x/dc.txt", "WASHINGTON",
                                     "", "Atlantis", "https://x/at.txt", "NOWHERE", "", "Indiana", "https://x/in.txt",
                                     "EVANSVILLE", "[END]"});
    Form2& options = form2();
    EXPECT_EQ(rowTexts(options.List7), QStringList({"Washington DC"}));
    options.List1->setCurrentRow(1);
    EXPECT_TRUE(rowTexts(options.List7).isEmpty());
    EXPECT_EQ(rowTexts(options.List2), QStringList({"NOWHERE"}));
    options.List1->setCurrentRow(2);
    const QStringList places = rowTexts(options.List7);
    ASSERT_EQ(places.size(), 10);
    const qsizetype block = options.List8.indexOf("*Indiana");
    EXPECT_EQ(places, options.List8.mid(block + 2, 10));
    EXPECT_TRUE(places.contains("Terre Haute ")); // its trailing blank is kept
}

TEST_F(OptionsDialogTest, MissingOrMalformedStatesFileEndsTheProgramBeforeTheSettings)
{
    writeLines("CRVN.ini", {"anything"});
    QFile::remove(path("States_Cities.cvd"));
    EXPECT_THROW(form2(), ProgramEnded);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "File is missing!");
    EXPECT_EQ(messages[0].title, "Corvane");
    EXPECT_EQ(messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(form2().Combo2->count(), 0); // the settings were never loaded
    EXPECT_EQ(form2().List1->count(), 0);
    releaseAllForms();

    messages.clear();
    writeLines("States_Cities.cvd", {"[US States/Cities] ", "Texas", "u", "[END]"});
    EXPECT_THROW(form2(), ProgramEnded);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Incorrect File Structure!");
    EXPECT_EQ(messages[0].title, "Corvane");
    EXPECT_EQ(messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(form2().Combo2->count(), 0);
    releaseAllForms();

    messages.clear();
    writeLines("States_Cities.cvd", {"[us states/cities]", "Texas", "u", "[END]"});
    EXPECT_THROW(form2(), ProgramEnded);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Incorrect File Structure!");
    releaseAllForms();

    // A file of another letter case is the same file.
    messages.clear();
    QFile::remove(path("States_Cities.cvd"));
    writeLines("STATES_CITIES.CVD", {"[US States/Cities]", "Texas", "u", "WACO", "[END]"});
    EXPECT_NO_THROW(form2());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(rowTexts(form2().List1), QStringList{"Texas"});
}

TEST_F(OptionsDialogTest, ClosingWhileTheProgramRunsPutsTheSavedSettingsBackAndOnlyHides)
{
    Form2& options = form2();
    options.List3->addItem("Texas - DALLAS");
    options.List3->item(0)->setCheckState(Qt::Checked);
    Save_Settings();
    const QString saved = readFile("CRVN.ini");
    ASSERT_FALSE(saved.isEmpty());

    options.show();
    options.List3->addItem("Texas - WACO");
    options.close();
    EXPECT_FALSE(options.isVisible());
    EXPECT_TRUE(form2Loaded());
    EXPECT_EQ(readFile("CRVN.ini"), saved);
    // The running program keeps the saved stations: saving the settings from
    // the main window's menu afterwards does not lose them.
    ASSERT_EQ(rowTexts(options.List3), QStringList{"Texas - DALLAS"});
    EXPECT_EQ(options.List3->item(0)->checkState(), Qt::Checked);
    form1().SaveS_Click();
    EXPECT_EQ(readFile("CRVN.ini"), saved);

    form1().Cities_Click();
    ASSERT_EQ(modalShown, QStringList{"Corvane Options"});
    EXPECT_EQ(rowTexts(form2().List3), QStringList{"Texas - DALLAS"});
}

// The main window's and the tray's openers load an empty watch list afresh
// from the settings file before showing the dialog; a dialog already open is
// only brought to the front, keeping what the user is editing in it.
TEST_F(OptionsDialogTest, OpenersLoadAnEmptyListAfreshButNeverAnOpenDialog)
{
    struct Case {
        bool open;
        QStringList list;  // the watch list when an opener runs
        QStringList after; // the watch list afterwards
    };
    const Case cases[] = {{false, {}, {"Texas - DALLAS"}},
                          {false, {"Maine - PORTLAND"}, {"Maine - PORTLAND"}},
                          {true, {}, {}},
                          {true, {"Maine - PORTLAND"}, {"Maine - PORTLAND"}}};
    writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - DALLAS", "False", "[INTERVAL]", " 0"});
    Form2& options = form2();
    for (const bool tray : {false, true}) {
        for (const Case& c : cases) {
            options.List3->clear();
            options.List3->addItems(c.list);
            options.setVisible(c.open);
            modalShown.clear();
            tray ? form1().PopMenu_Click(8) : form1().Cities_Click();
            EXPECT_EQ(rowTexts(options.List3), c.after) << tray << c.open << c.list.size();
            EXPECT_EQ(modalShown.size(), c.open ? 0 : 1) << tray << c.open;
            EXPECT_EQ(options.isVisible(), c.open);
            options.hide();
        }
    }
    EXPECT_TRUE(form2Loaded());
}

// The tray's opener run inside the load that the menu's opener started
// leaves the dialog to that one: no second load, no second dialog.
TEST_F(OptionsDialogTest, AnOpenerRunDuringAnotherOnesLoadLeavesItAlone)
{
    writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - DALLAS", "False", "[INTERVAL]", " 0"});
    Form2& options = form2();
    const int states = options.List1->count();
    options.List3->clear();
    modalShown.clear();
    QTimer::singleShot(0, [] { form1().PopMenu_Click(8); }); // runs in the load's first wait
    form1().Cities_Click();
    EXPECT_EQ(rowTexts(options.List3), QStringList{"Texas - DALLAS"});
    EXPECT_EQ(options.List1->count(), states);
    EXPECT_EQ(modalShown.size(), 1);
}

// An update due while the dialog loads afresh does not run on the half-read
// watch list, which would blank the rows of the stations not read yet.
TEST_F(OptionsDialogTest, AnUpdateDueDuringTheLoadLeavesTheRowsAlone)
{
    writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - DALLAS", "False", "[INTERVAL]", " 0"});
    form2().List3->clear();
    form1().Label2[0]->setText("DALLAS");
    QTimer::singleShot(0, [] { form1().RNow_Click(); }); // runs in the load's first wait
    form1().Cities_Click();
    EXPECT_EQ(form1().Label2[0]->text(), "DALLAS");
}

TEST_F(OptionsDialogTest, EscapeLeavesTheDialogAsItsCloseBoxDoes)
{
    Form2& options = form2();
    options.List3->addItem("Texas - WACO");
    options.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&options, &escape);
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(options.List3->count(), 0);
    EXPECT_TRUE(form2Loaded());
}

TEST_F(OptionsDialogTest, ClosingWhileTheMainWindowClosesIsAccepted)
{
    Form2& options = form2();
    options.List3->addItem("Texas - WACO");
    options.show();
    form1().Closing = 1;
    QCloseEvent close;
    QApplication::sendEvent(&options, &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(options.List3->count(), 1);
}

TEST_F(OptionsDialogTest, EveryShowingStartsCentredOnTheFirstTab)
{
    Form2& options = form2();
    const QPoint middle = screenArea().center();
    for (int round = 0; round < 2; ++round) {
        options.show();
        EXPECT_EQ(options.SSTab1->currentIndex(), 0);
        // Centred to within the window frame's few pixels.
        EXPECT_NEAR(options.frameGeometry().center().x(), middle.x(), 4);
        EXPECT_NEAR(options.frameGeometry().center().y(), middle.y(), 4);
        options.SSTab1->setCurrentIndex(3);
        options.move(5, 5);
        options.hide();
    }
}

TEST_F(OptionsDialogTest, HiddenCounterNeedsAllThreeKeysAndTheRightButton)
{
    Form2& options = form2();
    auto release = [&](Qt::MouseButton button, Qt::KeyboardModifiers keys) {
        QMouseEvent event(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), button, button, keys);
        QApplication::sendEvent(options.Label1[0], &event);
    };
    const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    release(Qt::LeftButton, all);
    EXPECT_TRUE(options.Label3->isHidden());
    release(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(options.Label3->isHidden());
    release(Qt::RightButton, Qt::NoModifier);
    EXPECT_TRUE(options.Label3->isHidden());

    // While hidden, choosing states adds nothing.
    options.List1->setCurrentRow(1);
    EXPECT_EQ(options.Label3->text(), "0");

    release(Qt::RightButton, all);
    EXPECT_FALSE(options.Label3->isHidden());
    options.List1->setCurrentRow(0); // Texas: three cities
    EXPECT_EQ(options.Label3->text(), "3");
    options.List1->setCurrentRow(1); // Maine: one
    EXPECT_EQ(options.Label3->text(), "4");

    release(Qt::RightButton, all);
    EXPECT_TRUE(options.Label3->isHidden());
    EXPECT_EQ(options.Label3->text(), "0");
}

TEST_F(OptionsDialogTest, KeysReleasedOnTheTabStripShowTheirCodeInTheCounter)
{
    Form2& options = form2();
    QKeyEvent a(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(options.SSTab1->tabBar(), &a);
    EXPECT_EQ(options.Label3->text(), "65");
    EXPECT_TRUE(options.Label3->isHidden()); // set whether shown or not

    QKeyEvent right(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(options.SSTab1->tabBar(), &right);
    EXPECT_EQ(options.Label3->text(), "39");

    // Typing into a text box of a tab is not a key on the tab strip.
    QKeyEvent typed(QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier, "b");
    QApplication::sendEvent(options.Text5, &typed);
    EXPECT_EQ(options.Label3->text(), "39");

    // The counter adds to the number it shows.
    options.Label3->show();
    options.List1->setCurrentRow(1);
    EXPECT_EQ(options.Label3->text(), "40");
}

TEST_F(OptionsDialogTest, SoundListsPlayOnlyAVisibleChoiceOfASound)
{
    writeFile("Sounds/Ding.wav", "RIFF");
    writeFile("Sounds/Alert.wav", "RIFF");
    QStringList played;
    SoundPlayer::instance().listener = [&](const QString& file) { played << file; };
    Form2& options = form2();
    ASSERT_EQ(options.Combo2->count(), 3);
    EXPECT_TRUE(played.isEmpty()); // filling the lists while hidden plays nothing

    options.Combo2->setCurrentText("Ding");
    EXPECT_TRUE(played.isEmpty());

    options.show();
    options.Combo2->setCurrentText("Alert");
    options.Combo4->setCurrentText("Ding");
    options.Combo4->setCurrentText("(none)");
    options.Combo2->setCurrentText("(none)");
    ASSERT_EQ(played.size(), 2);
    EXPECT_TRUE(played[0].endsWith("Sounds/Alert.wav"));
    EXPECT_TRUE(played[1].endsWith("Sounds/Ding.wav"));
}

TEST_F(OptionsDialogTest, AnimationSpeedFollowsTheAnimationKind)
{
    Form2& options = form2();
    program().AnimKind = 1;
    options.Combo3->setCurrentIndex(1);
    EXPECT_EQ(weather().Timer1->interval(), 100);
    options.Combo3->setCurrentIndex(2);
    EXPECT_EQ(weather().Timer1->interval(), 125);
    program().AnimKind = 0;
    options.Combo3->setCurrentIndex(0);
    EXPECT_EQ(weather().Timer1->interval(), 25);
    options.Combo3->setCurrentIndex(1);
    EXPECT_EQ(weather().Timer1->interval(), 50);
    options.Combo3->setCurrentIndex(-1); // no choice: unchanged
    EXPECT_EQ(weather().Timer1->interval(), 50);
}

TEST_F(OptionsDialogTest, ClearingUseSelectedColorsResetsTheSwatchesEveryTime)
{
    Form2& options = form2();
    setBackColor(options.Label2[3], kRed);
    setBackColor(options.Label2[4], kRed);
    options.Check5->setChecked(false);
    EXPECT_EQ(backColor(options.Label2[3]), kButtonTextColor);
    EXPECT_EQ(backColor(options.Label2[4]), kPaleCyan);

    setBackColor(options.Label2[3], kRed);
    options.Check5->setChecked(true); // checking changes nothing
    EXPECT_EQ(backColor(options.Label2[3]), kRed);
    options.Check5->setChecked(false);
    EXPECT_EQ(backColor(options.Label2[3]), kButtonTextColor);
}
