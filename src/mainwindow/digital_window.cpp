#include "mainwindow/digital_window.h"

#include "mainwindow/digit_glyphs.h"
#include "mainwindow/digital_display.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "mainwindow/window_position.h"
#include "options/options_dialog.h"
#include "platform/animation_frames.h"
#include "platform/plain_text.h"
#include "platform/twips.h"
#include "platform/color_values.h"
#include "settings/condition_pictures.h"
#include "settings/program_state.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kSection = QStringLiteral("DigitalStartUp");

// Cell placement: group origin (pixels), then the cell's offset from it
// and its width, in twips. Every cell is 375 twips high.
constexpr int kDigit = 195, kPoint = 90, kDegree = 120, kUnit = 285;
struct CellPlace { int cell, x, y, offset, width; };
const CellPlace kCells[] = {
    {0, 8, 30, 0, kDigit}, {1, 8, 30, 180, kDigit}, {2, 8, 30, 360, kDigit}, {19, 8, 30, 540, kDegree},
    {5, 80, 30, 0, kDigit}, {4, 80, 30, 180, kDigit}, {3, 80, 30, 360, kDigit}, {20, 80, 30, 540, kDegree},
    {6, 152, 30, 0, kDigit}, {7, 152, 30, 180, kDigit}, {8, 152, 30, 360, kDigit}, {18, 152, 30, 540, kDigit},
    {25, 8, 64, 0, kDigit}, {24, 8, 64, 180, kDigit}, {23, 8, 64, 360, kDigit},
    {11, 80, 64, 0, kDigit}, {10, 80, 64, 180, kDigit}, {9, 80, 64, 360, kDigit}, {21, 80, 64, 540, kUnit},
    {12, 8, 98, 0, kDigit}, {13, 8, 98, 180, kDigit}, {14, 8, 98, 360, kPoint}, {15, 8, 98, 420, kDigit},
    {16, 8, 98, 600, kDigit}, {17, 8, 98, 780, kDigit},
    {31, 120, 98, 0, kDigit}, {30, 120, 98, 180, kDigit}, {29, 120, 98, 390, kPoint}, {28, 120, 98, 480, kDigit},
    {27, 120, 98, 660, kDigit},
};
constexpr int kCellHeight = 375;

// The condition picture, the wind animation and the station buttons stand in
// a column of their own right of the cells.
constexpr int kSide = 212;

} // namespace

WethWind::WethWind(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Corvane"));
    setFixedSize(kSide + 40, 160);
    setBackColor(this, 0x000000);
    cellGlyph_.fill(-1);

    Label1 = plainLabel(this);
    Label1->setGeometry(8, 6, 150, 18);
    setForeColor(Label1, 0xFFFFFF);
    Label1->installEventFilter(this);
    for (int i = 0; i < 7; ++i) {
        Label2[i] = new QLabel(this);
        Label2[i]->hide();
    }
    Label2[6]->setGeometry(8, 130, 100, 16);
    Label2[6]->show();
    setForeColor(Label2[6], 0xFFFFFF);

    for (const CellPlace& p : kCells) {
        QLabel* cell = new QLabel(this);
        cell->setGeometry(p.x + twipsToPixels(p.offset), p.y, twipsToPixels(p.width), twipsToPixels(kCellHeight));
        cell->installEventFilter(this);
        Image1[p.cell] = cell;
    }
    Image1[22] = new QLabel(this);
    Image1[22]->setGeometry(kSide + 9, 130, 23, 20);
    Image1[22]->installEventFilter(this);
    Image1[22]->hide();

    Image2 = new QLabel(this);
    Image2->setGeometry(165, 6, 16, 16);
    Image2->setPixmap(conditionPicture(15, 16));
    Image2->installEventFilter(this);
    Image2->hide();

    for (int n = 1; n <= 13; ++n) {
        Gif89a1[n] = new QLabel(this);
        Gif89a1[n]->setGeometry(kSide, 30, 32, 32);
        Gif89a1[n]->setPixmap(conditionPicture(digitalPictureDrawing(n), 32));
        Gif89a1[n]->hide();
    }
    windFrames_ = anemometerFrames(32);
    Gif89a2 = new QLabel(this);
    Gif89a2->setGeometry(kSide, 64, 32, 32);
    if (!windFrames_.isEmpty())
        Gif89a2->setPixmap(windFrames_.first());
    WindTimer = new QTimer(this);
    WindTimer->setInterval(2000);
    connect(WindTimer, &QTimer::timeout, this, [this] {
        if (windFrames_.isEmpty() || !isVisible())
            return;
        windFrame_ = (windFrame_ + 1) % windFrames_.size();
        Gif89a2->setPixmap(windFrames_[windFrame_]);
    });
    WindTimer->start();

    Command1[4] = new QPushButton(QStringLiteral("<"), this);
    Command1[4]->setGeometry(kSide, 100, 16, 22);
    Command1[5] = new QPushButton(QStringLiteral(">"), this);
    Command1[5]->setGeometry(kSide + 17, 100, 16, 22);
    connect(Command1[4], &QPushButton::clicked, this, [this] { Command1_Click(4); });
    connect(Command1[5], &QPushButton::clicked, this, [this] { Command1_Click(5); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &WethWind::Timer1_Timer);
    Timer1->start();

    Form_Load();
}

void WethWind::Form_Load()
{
    restoreWindowPosition(*this, kSection);
    DigitColorChange();
}

void WethWind::setCellGlyph(int cell, int glyph)
{
    if (cell < 0 || cell > 31 || !Image1[cell] || cell == 22)
        return;
    const QPixmap pm = digitGlyph(program().DigitColorIndex, glyph);
    if (pm.isNull())
        return;
    Image1[cell]->setPixmap(pm);
    cellGlyph_[cell] = glyph;
}

void WethWind::clearCell(int cell)
{
    if (cell < 0 || cell > 31 || !Image1[cell] || cell == 22)
        return;
    Image1[cell]->clear();
    cellGlyph_[cell] = -1;
}

void WethWind::DigitColorChange()
{
    for (int c = 0; c <= 17; ++c)
        if (c != 14)
            setCellGlyph(c, GlyphBlank);
    setCellGlyph(19, 13);
    setCellGlyph(20, 13);
    setCellGlyph(21, 15);
    setCellGlyph(18, 14);
    setCellGlyph(14, 12);
    setCellGlyph(29, 21);
    for (int c : {23, 24, 25, 27, 28, 30, 31})
        setCellGlyph(c, GlyphBlank);
}

bool WethWind::Pick_Graphic(const QString& text, const QString& cells)
{
    int k = 0;
    for (int i = 0; i + 1 < cells.size(); i += 2, ++k) {
        bool ok = false;
        const int cell = cells.mid(i, 2).toInt(&ok);
        if (!ok || k >= text.size())
            continue;
        const int glyph = digitGlyphFor(text.at(k));
        if (glyph >= 0)
            setCellGlyph(cell, glyph);
    }
    return true;
}

void WethWind::showConditionPicture(int n)
{
    for (int i = 1; i <= 13; ++i)
        Gif89a1[i]->setVisible(i == n);
}

void WethWind::setWindDelay(int ms)
{
    WindTimer->setInterval(ms);
}

void WethWind::Form_Activate()
{
    Weather& small = weather();
    small.Timer1->start();
    small.Change_Tip(small.currentTip());
    program().ShownWindow = 3;
    form1().Display_Digital();
    Command1[4]->setEnabled(true);
    Command1[5]->setEnabled(true);
}

void WethWind::Command1_Click(int Index)
{
    Weather& small = weather();
    if (!small.stepStation(Index, Command1))
        return;
    const int slot = program().CurrentSlot;
    const int last = form2().List3->count() - 1;
    const bool first = slot == 0;
    const bool lastOne = slot == last || slot == 9;
    for (auto* buttons : {&small.Command1, &Command1}) {
        (*buttons)[4]->setEnabled(!first);
        (*buttons)[5]->setEnabled(first || !lastOne);
    }
    form1().Display_Digital();
}

void WethWind::Timer1_Timer()
{
    ProgramState& state = program();
    if (state.WindGust.isEmpty() || state.WindSpeed.isEmpty())
        return;
    if (state.GustShowing) {
        state.GustShowing = 0;
        Pick_Graphic(state.WindDir, QStringLiteral("252423"));
        Pick_Graphic(state.WindSpeed, QStringLiteral("111009"));
    } else {
        state.GustShowing = -1;
        Pick_Graphic(QStringLiteral(" G "), QStringLiteral("252423"));
        Pick_Graphic(state.WindGust, QStringLiteral("111009"));
    }
}

void WethWind::Image2_Click()
{
    ProgramState& state = program();
    const int slot = state.CurrentSlot;
    state.WarnFlag[slot] = false;
    state.WarnSound[slot] = false;
    setBackColor(weather().Label1[0], 0x0000FF);
    setBackColor(form1().S_Warning[slot], 0x0000FF);
    Image2->hide();
}

void WethWind::Image1_Click(int)
{
    Weather& small = weather();
    small.Image1[2]->clear();
    small.Image1[2]->hide();
    Image1[22]->hide();
    if (QLabel* mail = form1().panel(6))
        mail->hide();
}

void WethWind::Label1_MouseUp(Qt::MouseButton Button, const QPoint& at)
{
    if (Button != Qt::RightButton)
        return;
    program().PopupSlot = program().CurrentSlot;
    if (form1().ForUvWarn && isVisible())
        form1().ForUvWarn->popup(at);
}

void WethWind::closeEvent(QCloseEvent* event)
{
    if (form1().Unloading == 0) {
        event->ignore();
        hide();
        return;
    }
    storeWindowPosition(*this, kSection);
    QWidget::closeEvent(event);
}

void WethWind::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

bool WethWind::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Label1) {
            Label1_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
        } else if (watched == Image2) {
            Image2_Click();
        } else {
            for (int i = 0; i < 32; ++i)
                if (watched == Image1[i] && Image1[i]) {
                    Image1_Click(i);
                    break;
                }
        }
    }
    return QWidget::eventFilter(watched, event);
}
