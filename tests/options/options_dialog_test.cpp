#include "options/options_dialog.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "platform/settings_store.h"
#include "platform/vb_color.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

namespace {

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

class OptionsDialogTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://roundup.example/tx/rwr.txt",
                                         "WACO", "AUSTIN", "DALLAS", "", "Maine",
                                         "https://roundup.example/me/rwr.txt", "PORTLAND", "", "DALLAS",
                                         "https://roundup.example/xx/rwr.txt", "[END]"});
    }
};

} // namespace

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
    EXPECT_FALSE(options.Check7->isChecked());
    EXPECT_EQ(options.Text5->text(), "");
    EXPECT_TRUE(options.Option4[0]->isChecked());
    EXPECT_EQ(options.Slider1->value(), 30);
    EXPECT_FALSE(options.Check1[0]->isChecked());
    EXPECT_EQ(options.ProxyUser->text(), "");
    EXPECT_EQ(options.ProxyPassword->text(), "");
    EXPECT_EQ(state.UpdateInterval, 60);
    EXPECT_EQ(options.windowTitle(), "Corvane Options");
    EXPECT_EQ(options.Combo2->itemText(0), "(none)");
    EXPECT_EQ(options.Combo1->count(), 10);
    EXPECT_EQ(options.Combo1->itemText(9), "01 Minute");
}

TEST_F(OptionsDialogTest, StoredValuesAreClampedAndUnscrambled)
{
    SaveSetting("Internet", "Pause Time", "-2");
    SaveSetting("Internet", "Internet Time Out", "5");
    SaveSetting("Settings", "DigitColor", "7");
    SaveSetting("Internet", "Connection", "1");
    SaveSetting("Internet", "AutoOff", "yes");
    SaveSetting("Proxy", "Username", "Blank");
    QString scrambled;
    for (QChar c : QString("s3cret"))
        scrambled += QChar(c.unicode() ^ 0xFF);
    SaveSetting("Proxy", "Password", scrambled);

    Form2& options = form2();
    EXPECT_EQ(options.Text6->text(), "3");
    EXPECT_EQ(options.Text7->text(), "10");
    EXPECT_EQ(program().InetTimeout, 10);
    EXPECT_EQ(program().DigitColorIndex, 0); // 7 names no button
    EXPECT_TRUE(options.Option4[1]->isChecked());
    EXPECT_FALSE(options.Check1[0]->isChecked());
    EXPECT_EQ(program().ProxyUserName, "");
    EXPECT_EQ(program().ProxyPwd, "s3cret");
    EXPECT_EQ(options.ProxyPassword->text(), "s3cret");
    EXPECT_EQ(options.ProxyPassword->echoMode(), QLineEdit::Password);

    discardForm2();
    SaveSetting("Internet", "Internet Time Out", "45");
    SaveSetting("Settings", "DigitColor", "2");
    EXPECT_EQ(form2().Text7->text(), "45");
    EXPECT_EQ(program().InetTimeout, 45);
    EXPECT_EQ(program().DigitColorIndex, 2);
}

TEST_F(OptionsDialogTest, StatesAndCitiesFillThePickers)
{
    Form2& options = form2();
    EXPECT_EQ(items(options.List1), QStringList({"Texas", "Maine", "DALLAS"}));
    EXPECT_EQ(options.List5, QStringList({"https://roundup.example/tx/rwr.txt", "https://roundup.example/me/rwr.txt",
                                          "https://roundup.example/xx/rwr.txt"}));
    EXPECT_EQ(options.List1->currentRow(), 0);
    EXPECT_EQ(items(options.List2), QStringList({"AUSTIN", "DALLAS", "WACO"})); // sorted

    // A state named earlier as a city lists what follows that city.
    options.List1->setCurrentRow(2);
    EXPECT_EQ(items(options.List2), QStringList({"Maine", "PORTLAND", "https://roundup.example/me/rwr.txt"}));
}

TEST_F(OptionsDialogTest, AlternatePlacesComeFromTheBuiltInTable)
{
    writeLines("States_Cities.cvd", {"[US States/Cities]", "District of Columbia", "https://x/dc.txt", "WASHINGTON",
                                     "", "Atlantis", "https://x/at.txt", "NOWHERE", "[END]"});
    Form2& options = form2();
    ASSERT_FALSE(options.List8.isEmpty());
    EXPECT_EQ(items(options.List7), QStringList({"Washington DC"}));
    options.List1->setCurrentRow(1);
    EXPECT_TRUE(items(options.List7).isEmpty());
    EXPECT_EQ(items(options.List2), QStringList({"NOWHERE"}));
}

TEST_F(OptionsDialogTest, MissingOrMalformedStatesFileEndsTheProgram)
{
    QFile::remove(path("States_Cities.cvd"));
    EXPECT_THROW(form2(), ProgramEnded);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "File is missing!");
    EXPECT_EQ(messages[0].title, "Corvane");
    EXPECT_EQ(messages[0].icon, MsgIcon::Stop);
    discardForm2();

    messages.clear();
    writeLines("States_Cities.cvd", {"[US States/Cities] ", "Texas", "u", "[END]"});
    EXPECT_THROW(form2(), ProgramEnded);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Incorrect File Structure!");
    discardForm2();

    messages.clear();
    writeLines("States_Cities.cvd", {"[us states/cities]", "Texas", "u", "[END]"});
    EXPECT_THROW(form2(), ProgramEnded);
    discardForm2();
}

TEST_F(OptionsDialogTest, ClosingOnlyHidesAndEmptiesTheWatchList)
{
    Form2& options = form2();
    options.List3->addItem("Texas - DALLAS");
    options.show();
    options.SSTab1->setCurrentIndex(2);
    options.close();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(options.List3->count(), 0);
    EXPECT_TRUE(form2Loaded());
    EXPECT_FALSE(QFile::exists(path("CRVN.ini")));

    options.show(); // showing again starts on the first tab
    EXPECT_EQ(options.SSTab1->currentIndex(), 0);
    options.hide();

    form1().Closing = 1;
    QCloseEvent close;
    QApplication::sendEvent(&options, &close);
    EXPECT_TRUE(close.isAccepted());
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
    release(Qt::RightButton, all);
    EXPECT_FALSE(options.Label3->isHidden());

    options.List1->setCurrentRow(1); // Maine: one city
    EXPECT_EQ(options.Label3->text(), "1");
    options.List1->setCurrentRow(0); // Texas: three
    EXPECT_EQ(options.Label3->text(), "4");

    QKeyEvent key(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(options.SSTab1, &key);
    EXPECT_EQ(options.Label3->text(), "65");

    release(Qt::RightButton, all);
    EXPECT_TRUE(options.Label3->isHidden());
    EXPECT_EQ(options.Label3->text(), "0");
}

TEST_F(OptionsDialogTest, AnimationSpeedAndColourResetAct)
{
    Form2& options = form2();
    program().AnimKind = 1;
    options.Combo3->setCurrentIndex(2);
    EXPECT_EQ(weather().Timer1->interval(), 125);
    program().AnimKind = 0;
    options.Combo3->setCurrentIndex(1);
    EXPECT_EQ(weather().Timer1->interval(), 50);

    setBackColor(options.Label2[3], kRed);
    options.Check5->setChecked(false);
    EXPECT_EQ(backColor(options.Label2[3]), kButtonTextColor);
    EXPECT_EQ(backColor(options.Label2[4]), kPaleCyan);

    options.Option6[3]->setChecked(true);
    EXPECT_EQ(program().DigitColorIndex, 3);
    EXPECT_EQ(GetSetting("Settings", "DigitColor", "x"), "3");
}
