#include "mainwindow/weather_window.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/animation_frames.h"
#include "platform/animation_view.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "platform/tray_icons.h"
#include "platform/waits.h"
#include "platform/color_values.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>
#include <QScreen>

namespace {

class WeatherWindowTest : public DallasSandboxTest {
protected:
    void SetUp() override
    {
        DallasSandboxTest::SetUp();
        // The tests give the half-second ticks themselves; a real one would
        // come between them whenever a tick lets events run.
        weather().Timer2->stop();
    }

    void watch(int stations)
    {
        for (int i = 0; i < stations; ++i) {
            addWatchEntry(form2().List3, QString("Texas - PLACE%1").arg(i), false);
            form1().Label2[i]->setText(QString("PLACE%1").arg(i));
            form1().Label4[i]->setText(QString::number(50 + i * 10));
        }
    }
};

// Counts the paints and layout passes of the widgets it watches.
class PaintCounter : public QObject {
public:
    QHash<QObject*, int> paints;
    int layouts = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        paints[watched] += event->type() == QEvent::Paint;
        layouts += event->type() == QEvent::LayoutRequest;
        return false;
    }
};

} // namespace

// Cold below 60 °F and hot above 89 °F, in either unit.
TEST(TemperatureColour, ThresholdsAreTheSameTemperaturesInEitherUnit)
{
    struct Case {
        const char* caption;
        bool celsius;
        quint32 colour;
    };
    const Case cases[] = {
        {"59", false, kBlue}, {"60", false, kButtonTextColor}, {"89", false, kButtonTextColor}, {"90", false, kRed},
        {"NOT AVBL", false, kBlue}, {"", false, kBlue},
        // 15 °C is 59 °F, 16 °C 60.8 °F, 31 °C 87.8 °F, 32 °C 89.6 °F.
        {"15", true, kBlue}, {"16", true, kButtonTextColor}, {"31", true, kButtonTextColor}, {"32", true, kRed},
        {"40", true, kRed}, {"-5", true, kBlue}, {"15.6", true, kButtonTextColor}, {"NOT AVBL", true, kBlue},
    };
    for (const Case& c : cases)
        EXPECT_EQ(temperatureColor(c.caption, c.celsius), c.colour) << c.caption << (c.celsius ? " C" : " F");
}

TEST_F(WeatherWindowTest, StationButtonsStopAtTheEndsOfTheWatchList)
{
    watch(4);
    Weather& window = weather();
    program().CurrentSlot = 3;
    window.Command1_Click(5);
    EXPECT_EQ(program().CurrentSlot, 3);
    EXPECT_FALSE(window.Command1[5]->isEnabled());
    EXPECT_TRUE(window.Command1[4]->isEnabled());

    window.Command1_Click(4);
    EXPECT_EQ(program().CurrentSlot, 2);
    EXPECT_EQ(window.Place->text(), "PLACE2");
    EXPECT_EQ(foreColor(window.Temp), kButtonTextColor); // 70
    EXPECT_TRUE(form1().Option1[2]->isChecked());
    EXPECT_TRUE(TrayIcons::instance().tip(1).startsWith("PLACE2 - "));

    program().CurrentSlot = 0;
    window.Command1_Click(4);
    EXPECT_EQ(program().CurrentSlot, 0);

    form1().Label2[1]->clear(); // the next row has no place yet: nothing moves
    window.Command1[5]->setEnabled(false);
    window.Command1_Click(5);
    EXPECT_EQ(program().CurrentSlot, 0);
    EXPECT_FALSE(window.Command1[5]->isEnabled());

    program().RowsCelsius = true; // the table reads 60 °C: hot
    form1().Label2[1]->setText("PLACE1");
    window.Command1_Click(5);
    EXPECT_EQ(window.Temp->text(), "60");
    EXPECT_EQ(foreColor(window.Temp), kRed);
}

TEST_F(WeatherWindowTest, MailAnimationRunsTwentyOneTicksAndPlaysOnce)
{
    watch(1);
    Weather& window = weather();
    form2().Combo4->addItem("Chime");
    form2().Combo4->setCurrentText("Chime");
    window.GotMail = 1;
    window.PlayMailSound = 1;
    int ticks = 0;
    while (window.GotMail && ticks < 100) {
        window.Timer2_Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 21);
    EXPECT_EQ(played, QStringList{path("Sounds/Chime.wav")});
    EXPECT_TRUE(window.Image1[2]->isVisibleTo(&window));

    window.Image1_Click(); // acknowledged while idle: the next mail ends after one tick
    window.GotMail = 1;
    window.Timer2_Timer();
    EXPECT_EQ(window.GotMail, 0);
}

TEST_F(WeatherWindowTest, AlertsShowTheWarningIconBlinkAndSoundOnce)
{
    watch(6);
    Weather& window = weather();
    form2().Combo2->addItem("Thunder");
    form2().Combo2->setCurrentText("Thunder");
    ProgramState& state = program();

    // Alerts elsewhere: icon 2 appears, nothing blinks or sounds yet.
    state.WarnFlag[2] = state.WarnSound[2] = true;
    state.WarnFlag[5] = state.WarnSound[5] = true;
    setBackColor(window.Label1[0], kRed);
    window.Timer2_Timer();
    EXPECT_TRUE(TrayIcons::instance().shown(2));
    EXPECT_EQ(TrayIcons::instance().tip(2), "Weather Warning!");
    EXPECT_TRUE(window.Label2->text().isEmpty());
    EXPECT_TRUE(played.isEmpty());

    // The current station's alert blinks between red and dark red and sounds once.
    state.WarnFlag[0] = state.WarnSound[0] = true;
    window.Timer2_Timer();
    EXPECT_EQ(window.Label2->text(), "Warning!");
    EXPECT_EQ(backColor(window.Label1[0]), kDarkRed);
    EXPECT_EQ(backColor(form1().S_Warning[0]), kDarkRed);
    window.Timer2_Timer();
    EXPECT_EQ(backColor(window.Label1[0]), kRed);
    EXPECT_EQ(played, QStringList{path("Sounds/Thunder.wav")});

    // Acknowledged: steady red, text gone at the next tick.
    window.Label2_Click();
    window.Timer2_Timer();
    EXPECT_TRUE(window.Label2->text().isEmpty());
    EXPECT_EQ(backColor(window.Label1[0]), kRed);

    state.WarnFlag = {};
    window.Timer2_Timer();
    EXPECT_FALSE(TrayIcons::instance().shown(2));
    EXPECT_FALSE(state.WarnIconShown);
}

TEST_F(WeatherWindowTest, VisualDecidesWhetherTheWarningIconShowsNotWhetherItGoes)
{
    watch(2);
    Weather& window = weather();
    ProgramState& state = program();
    const TrayIcons& tray = TrayIcons::instance();
    form1().Visual->setChecked(false);
    state.WarnFlag[1] = true;
    window.Timer2_Timer();
    EXPECT_FALSE(tray.shown(2));

    form1().Visual->setChecked(true);
    window.Timer2_Timer();
    EXPECT_TRUE(tray.shown(2));
    form1().Visual->setChecked(false);
    window.Timer2_Timer();
    EXPECT_TRUE(tray.shown(2)); // the alert is still on

    state.WarnFlag[1] = false; // ended or acknowledged
    window.Timer2_Timer();
    EXPECT_FALSE(tray.shown(2));
    EXPECT_FALSE(state.WarnIconShown);
}

TEST_F(WeatherWindowTest, WarningIconBlinksOnlyWhenAsked)
{
    watch(1);
    Weather& window = weather();
    program().WarnFlag[0] = true;
    form2().Check8->setChecked(false);
    window.Timer2_Timer();
    window.Timer2_Timer();
    EXPECT_EQ(program().WarnIconPhase, 1); // rests on the second picture
    form2().Check8->setChecked(true);
    window.Timer2_Timer();
    EXPECT_EQ(program().WarnIconPhase, 0);
    window.Timer2_Timer();
    EXPECT_EQ(program().WarnIconPhase, 1);
}

TEST_F(WeatherWindowTest, PositionOffScreenMovesToTheTopRightAndIsStored)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Weather& window = weather();
    SaveSetting("MiniStartUp", "Left", QString::number((screen.width() - window.width()) * 15 + 1)); // twips
    SaveSetting("MiniStartUp", "Top", "10");
    window.Form_Load();
    EXPECT_EQ(window.x(), screen.width() - window.width());
    EXPECT_EQ(window.y(), 0);
    EXPECT_EQ(GetSetting("MiniStartUp", "Top", "?"), "0");
    EXPECT_TRUE(TrayIcons::instance().shown(1));
    EXPECT_EQ(TrayIcons::instance().tip(1), "Waiting....");

    TrayIcons::instance().simulate(false);
    window.Form_Load();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "There is no tray currently available");
}

TEST_F(WeatherWindowTest, ClosingOnlyHidesWhileTheProgramRuns)
{
    Weather& window = weather();
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(QFileInfo::exists(path("nothing")));
    EXPECT_EQ(GetSetting("MiniStartUp", "Left", "Blank"), "Blank");
    form1().Unloading = -1;
    window.show();
    window.close();
    EXPECT_NE(GetSetting("MiniStartUp", "Left", "Blank"), "Blank");
}

TEST_F(WeatherWindowTest, ActivationTipWaitsUntilATemperatureCame)
{
    struct Case {
        const char *place, *conditions, *temperature, *tip;
    };
    const Case cases[] = {
        {"Waiting On Data", "", "", "Waiting...."},
        {"DALLAS", "SUNNY", "", "Waiting...."},
        {"DALLAS", "SUNNY", "70", "DALLAS - SUNNY - 70"},
    };
    Weather& window = weather();
    window.Add_Tray_Icon();
    window.show();
    for (const Case& c : cases) {
        window.Place->setText(c.place);
        window.Conditions->setText(c.conditions);
        window.Temp->setText(c.temperature);
        TrayIcons::instance().Tray_Tip(1, "before");
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(waitUntil([] { return TrayIcons::instance().tip(1) != "before"; }, 10.0)) << c.tip;
        EXPECT_EQ(TrayIcons::instance().tip(1), c.tip);
    }
}

TEST_F(WeatherWindowTest, EachTickTurnsTheChosenAnimationByAFrameWhileTheWindowIsSeen)
{
    Weather& window = weather();
    window.show();
    DoEvents();
    window.Timer1->stop(); // the ticks below are the only ones
    PaintCounter counter;
    for (QWidget* widget : std::initializer_list<QWidget*>{&window, window.Place, window.Gif89a1[0], window.Gif89a1[1]})
        widget->installEventFilter(&counter);
    const QList<QPixmap> drawings[] = {anemometerFrames(40), sunshineFrames(40)};
    for (int kind : {0, 1}) {
        program().AnimKind = kind;
        AnimationView& shown = *window.Gif89a1[kind];
        window.Timer1_Timer(); // brings the chosen animation up
        DoEvents();
        counter.paints.clear();
        counter.layouts = 0;
        const int first = shown.currentFrame();
        const int frames = static_cast<int>(drawings[kind].size());
        for (int tick = 1; tick <= frames + 1; ++tick) {
            window.Timer1_Timer();
            EXPECT_EQ(shown.currentFrame(), (first + tick) % frames) << "kind " << kind;
        }
        DoEvents();
        EXPECT_TRUE(window.Gif89a1[1 - kind]->isHidden());
        // Only the picture is painted, once a tick, and nothing is laid out again.
        EXPECT_EQ(counter.paints[&shown], frames + 1) << "kind " << kind;
        EXPECT_EQ(counter.paints[&window] + counter.paints[window.Place], 0) << "kind " << kind;
        EXPECT_EQ(counter.layouts, 0) << "kind " << kind;
        // It shows the current frame over the window's background.
        QImage expected(40, 40, QImage::Format_RGB32);
        expected.fill(window.palette().color(QPalette::Window));
        QPainter(&expected).drawPixmap(0, 0, drawings[kind][shown.currentFrame()]);
        EXPECT_EQ(shown.grab().toImage().convertToFormat(QImage::Format_RGB32), expected) << "kind " << kind;
    }

    // Hidden or minimised, it stands still and paints nothing; the timer runs on.
    window.Timer1->start();
    for (const auto& putAway : {std::function<void()>([&] { window.hide(); }),
                                std::function<void()>([&] { window.setWindowState(Qt::WindowMinimized); })}) {
        window.setWindowState(Qt::WindowNoState);
        window.show();
        DoEvents();
        putAway();
        const int frame = window.Gif89a1[1]->currentFrame();
        counter.paints.clear();
        for (int tick = 0; tick < 5; ++tick)
            window.Timer1_Timer();
        DoEvents();
        EXPECT_EQ(window.Gif89a1[1]->currentFrame(), frame);
        EXPECT_EQ(counter.paints[window.Gif89a1[1]], 0);
        EXPECT_TRUE(window.Timer1->isActive());
        EXPECT_EQ(window.Timer1->interval(), 25);
    }
    window.Timer1->stop();
}
