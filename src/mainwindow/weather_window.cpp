#include "mainwindow/weather_window.h"

#include "mainwindow/form1.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/window_position.h"
#include "options/options_dialog.h"
#include "platform/animation_frames.h"
#include "platform/animation_view.h"
#include "platform/plain_text.h"
#include "platform/platform_check.h"
#include "platform/tray_icons.h"
#include "platform/user_dialogs.h"
#include "platform/color_values.h"
#include "platform/number_formats.h"
#include "platform/waits.h"
#include "settings/condition_pictures.h"
#include "settings/program_state.h"
#include "settings/string_routines.h"
#include "update/report_processing.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr ColorValue kBlinkBright = kRed;
constexpr ColorValue kBlinkDark = kDarkRed;
const QString kSection = QStringLiteral("MiniStartUp");
constexpr int kAnimationSize = 40; // pixels
} // namespace

quint32 temperatureColor(const QString& caption, bool celsius)
{
    const double value = leadingNumber(caption);
    const double fahrenheit = celsius ? value * 9 / 5 + 32 : value;
    if (fahrenheit < 60)
        return kBlue;
    if (fahrenheit > 89)
        return kRed;
    return kButtonTextColor;
}

Weather::Weather(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Mini-Weather"));
    Place = plainLabel(this);
    QFont bold = Place->font();
    bold.setBold(true);
    Place->setFont(bold);
    Place->installEventFilter(this);
    Conditions = plainLabel(this);
    Temp = plainLabel(this);
    QFont big = Temp->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    Temp->setFont(big);
    DewPoint = plainLabel(this);
    Wind = plainLabel(this);
    LastUp = new QLabel(this);
    Label1[0] = new QLabel(this);
    Label1[0]->setFixedSize(14, 14);
    Label1[0]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackColor(Label1[0], kButtonFaceColor);
    Label2 = new QLabel(this);
    Label2->setFont(bold);
    Label2->installEventFilter(this);
    Image1[2] = new QLabel(this);
    Image1[2]->setToolTip(QStringLiteral("You have new mail"));
    Image1[2]->hide();
    Image1[2]->installEventFilter(this);
    Command1[4] = new QPushButton(QStringLiteral("<"), this);
    Command1[5] = new QPushButton(QStringLiteral(">"), this);
    Command1[4]->setToolTip(QStringLiteral("Previous station"));
    Command1[5]->setToolTip(QStringLiteral("Next station"));
    for (int i : {4, 5}) {
        Command1[i]->setFixedWidth(28);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    for (auto& picture : Gif89a1) {
        picture = new AnimationView(this);
        picture->setFixedSize(kAnimationSize, kAnimationSize);
        picture->setOpaque(true);
    }
    Gif89a1[0]->setFrames(anemometerFrames(kAnimationSize));
    Gif89a1[1]->setFrames(sunshineFrames(kAnimationSize));
    Gif89a1[1]->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(25);
    connect(Timer1, &QTimer::timeout, this, &Weather::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(500);
    connect(Timer2, &QTimer::timeout, this, &Weather::Timer2_Timer);
    Timer2->start();

    auto* readings = new QVBoxLayout;
    readings->addWidget(Place);
    readings->addWidget(Conditions);
    readings->addWidget(Temp);
    readings->addWidget(Wind);
    readings->addWidget(DewPoint);
    auto* side = new QVBoxLayout;
    side->addWidget(Gif89a1[0]);
    side->addWidget(Gif89a1[1]);
    side->addWidget(Image1[2]);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(readings, 1);
    top->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1[0]);
    bottom->addWidget(Label2);
    bottom->addStretch();
    bottom->addWidget(LastUp);
    bottom->addWidget(Command1[4]);
    bottom->addWidget(Command1[5]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    setFixedSize(260, 150);
}

QString Weather::currentTip() const
{
    return Place->text() + QStringLiteral(" - ") + Conditions->text() + QStringLiteral(" - ") + Temp->text();
}

QString Weather::shownTip() const
{
    return Temp->text().isEmpty() ? QStringLiteral("Waiting....") : currentTip();
}

void Weather::Change_Tip(const QString& tip)
{
    TrayIcons::instance().Tray_Tip(1, cutTip(tip));
}

void Weather::Add_Tray_Icon()
{
    TrayIcons::instance().Tray_Add(1, QStringLiteral("Corvane"), QIcon(conditionPicture(12, 32)));
}

void Weather::Delete_Tray_Icon()
{
    TrayIcons::instance().Tray_Delete(1);
}

void Weather::Form_Load()
{
    restoreWindowPosition(*this, kSection);
    if (!platformAccepted()) {
        MsgBox(platformRefusal());
        form1().close();
        return;
    }
    if (!TrayIcons::instance().available()) {
        MsgBox(QStringLiteral("There is no tray currently available"));
        return;
    }
    Add_Tray_Icon();
    DoEvents();
    Change_Tip(shownTip());
}

void Weather::closeEvent(QCloseEvent* event)
{
    if (form1().Unloading == 0) {
        event->ignore();
        hide();
        return;
    }
    storeWindowPosition(*this, kSection);
    QWidget::closeEvent(event);
}

void Weather::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Timer1->start();
        Change_Tip(shownTip());
        program().ShownWindow = 2;
    }
    QWidget::changeEvent(event);
}

bool Weather::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Label2) {
            Label2_Click();
        } else if (watched == Image1[2]) {
            Image1_Click();
        } else if (watched == Place && mouse->button() == Qt::RightButton) {
            program().PopupSlot = program().CurrentSlot;
            form1().ForUvWarn->popup(mouse->globalPosition().toPoint());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Weather::setTemperatureColor()
{
    setForeColor(Temp, temperatureColor(Temp->text(), program().RowsCelsius));
}

void Weather::showCurrentRow()
{
    Form1& main = form1();
    const int slot = program().CurrentSlot;
    Place->setText(main.Label2[slot]->text());
    Conditions->setText(main.Label3[slot]->text());
    Temp->setText(main.Label4[slot]->text());
    setTemperatureColor();
    DewPoint->setText(main.Label9[slot]->text());
    Wind->setText(QStringLiteral("Wind: ") + main.Label7[slot]->text());
}

void Weather::updateStationButtons()
{
    const int slot = program().CurrentSlot;
    const int last = form2().List3->count() - 1;
    Command1[4]->setEnabled(slot != 0);
    Command1[5]->setEnabled(slot != 9 && slot != last);
}

bool Weather::stepStation(int Index, std::array<QPushButton*, 6>& buttons)
{
    ProgramState& state = program();
    Form1& main = form1();
    const int last = form2().List3->count() - 1;
    if (Index == 5) {
        if (state.CurrentSlot == 9 || state.CurrentSlot == last) {
            buttons[5]->setEnabled(false);
            buttons[4]->setEnabled(true);
            return false;
        }
        if (main.Label2[state.CurrentSlot + 1]->text().isEmpty())
            return false;
        ++state.CurrentSlot;
    } else if (Index == 4) {
        if (state.CurrentSlot == 0 || main.Label2[state.CurrentSlot - 1]->text().isEmpty())
            return false;
        --state.CurrentSlot;
    } else {
        return false;
    }
    const int slot = state.CurrentSlot;
    setBackColor(Label1[0], backColor(main.S_Warning[slot]));
    main.Option1[slot]->setChecked(true);
    main.Option1_Click(slot);
    Place->setText(main.Label2[slot]->text());
    Conditions->setText(main.Label3[slot]->text());
    Temp->setText(main.Label4[slot]->text());
    DewPoint->setText(main.Label9[slot]->text());
    Wind->setText(main.Label7[slot]->text());
    setTemperatureColor();
    // While an update runs the windows say so; it shows the times when it ends.
    if (!state.UpdateRunning)
        showLastUpdate();
    Change_Tip(currentTip());
    return true;
}

void Weather::Command1_Click(int Index)
{
    if (stepStation(Index, Command1))
        updateStationButtons();
}

void Weather::Timer1_Timer()
{
    // Nobody sees the window: the tick does nothing, the timer runs on.
    const int kind = program().AnimKind;
    if (!isVisible() || isMinimized() || (kind != 0 && kind != 1))
        return;
    Gif89a1[kind]->setVisible(true);
    Gif89a1[1 - kind]->setVisible(false);
    // Only the shown animation moves on, one frame a tick.
    Gif89a1[kind]->showNextFrame();
}

void Weather::Timer2_Timer()
{
    ProgramState& state = program();
    Form1& main = form1();
    Form2& options = form2();
    TrayIcons& tray = TrayIcons::instance();

    if (GotMail) {
        Image1[2]->show();
        wethWind().Image1[22]->show();
        if (QLabel* mailPanel = main.panel(6); mailPanel->isHidden()) {
            mailPanel->show();
            mailPanel->setToolTip(Image1[2]->toolTip());
        }
        if (MailFrame > 3) {
            MailFrame = 0;
            ++MailCycles;
        }
        const QPixmap frame = options.Image1[MailFrame]->pixmap();
        Image1[2]->setPixmap(frame);
        tray.Tray_Mail(1, QString(), QIcon(frame));
        if (PlayMailSound) {
            PlayMailSound = 0;
            Play_Sound(options.Combo4->currentText() + QStringLiteral(".wav"));
        }
        DoEvents();
        ++MailFrame;
        if (MailCycles >= 5) {
            MailFrame = 0;
            MailCycles = 0;
            Image1[2]->setPixmap(options.Image1[1]->pixmap());
            main.Option1_Click(state.CurrentSlot);
            GotMail = 0;
            DoEvents();
        }
    }

    const int slot = state.CurrentSlot;
    if (main.Sound->isChecked() && state.WarnSound[slot]) {
        Play_Sound(options.Combo2->currentText() + QStringLiteral(".wav"));
        state.WarnSound[slot] = false;
    }

    // "Visual" decides whether the alert icon shows; once no alert is left
    // it goes, whatever "Visual" says.
    const int last = std::min(options.List3->count() - 1, 9);
    bool alert = false;
    for (int i = 0; i <= last && !alert; ++i)
        alert = state.WarnFlag[i];
    if (!alert) {
        if (state.WarnIconShown) {
            tray.Tray_Delete(2);
            state.WarnIconShown = false;
        }
    } else if (main.Visual->isChecked()) {
        if (!state.WarnIconShown) {
            tray.Tray_Add(2, QStringLiteral("Weather Warning!"), QIcon(options.Image2[14]->pixmap()));
            state.WarnIconPhase = 0;
            state.WarnIconShown = true;
        }
        if (options.Check8->isChecked() && state.WarnIconPhase == 1) {
            tray.Tray_Icon(2, QIcon(options.Image2[14]->pixmap()));
            state.WarnIconPhase = 0;
        } else {
            tray.Tray_Icon(2, QIcon(options.Image2[15]->pixmap()));
            state.WarnIconPhase = 1;
        }
    }

    const ColorValue lamp = backColor(Label1[0]);
    if (main.Visual->isChecked() && state.WarnFlag[slot] && (lamp == kBlinkDark || lamp == kBlinkBright)) {
        const ColorValue next = lamp == kBlinkDark ? kBlinkBright : kBlinkDark;
        setBackColor(Label1[0], next);
        setBackColor(main.S_Warning[slot], next);
        setForeColor(Label2, next);
        wethWind().Image2->setVisible(next == kBlinkBright);
        if (Label2->text() != QLatin1String("Warning!"))
            Label2->setText(QStringLiteral("Warning!"));
    } else if (Label2->text() == QLatin1String("Warning!")) {
        Label2->clear();
        wethWind().Image2->hide();
    }
}

void Weather::Label2_Click()
{
    ProgramState& state = program();
    state.WarnFlag[state.CurrentSlot] = false;
    state.WarnSound[state.CurrentSlot] = false;
    setBackColor(Label1[0], kRed);
    setBackColor(form1().S_Warning[state.CurrentSlot], kRed);
    MailCycles = 6;
}

void Weather::Image1_Click()
{
    MailCycles = 6;
    DoEvents();
    Image1[2]->clear();
    Image1[2]->hide();
    wethWind().Image1[22]->hide();
    form1().panel(6)->hide();
}
