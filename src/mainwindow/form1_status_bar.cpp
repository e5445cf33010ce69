#include "mainwindow/form1.h"

#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "platform/animated_picture.h"
#include "platform/animation_frames.h"
#include "platform/inet_control.h"
#include "platform/plain_text.h"
#include "platform/twips.h"
#include "settings/condition_pictures.h"

#include <QLabel>
#include <QStatusBar>

namespace {
constexpr int kBusyPictureSize = 16;
constexpr int kBusyFrameDelay = 80;
constexpr int kPanelMargin = 2; // the status bar's own space before its first panel
} // namespace

void Form1::buildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    // The last panel keeps off the window's edge as the first one does.
    StatusBar1->setContentsMargins(0, 0, kPanelMargin, 0);
    // Panel widths in pixels; panel 1 takes what is left.
    const int widths[6] = {0, 24, 80, 40, 40, 24};
    for (int i = 0; i < 6; ++i) {
        auto* label = plainLabel(StatusBar1);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(widths[i]);
        label->installEventFilter(this);
        StatusBar1->addPermanentWidget(label, i == 0 ? 1 : 0);
        StatusPanels[i] = label;
    }
    // Panel 1 takes the room the window has, however long its text: a text
    // that does not fit is cut, and its tip shows it whole.
    StatusPanels[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Panel 6, the new-mail indicator: an envelope, shown when new mail comes.
    StatusPanels[5]->setAlignment(Qt::AlignCenter);
    StatusPanels[5]->setPixmap(mailFrame(1, kBusyPictureSize));
    StatusPanels[5]->hide();
    setStatusBar(StatusBar1);

    Picture2 = new QWidget(this);
    Picture2->setFixedSize(widths[1], kBusyPictureSize + 4);
    Gif89a1 = new AnimatedPicture(Picture2);
    Gif89a1->setGeometry(0, 0, Picture2->width(), Picture2->height());
    Gif89a1->setFrames(busyFrames(kBusyPictureSize));
    Gif89a1->setFrameDelay(kBusyFrameDelay);
    Gif89a1->setToolTip(QStringLiteral("Recovering data"));
    Picture2->hide();

    Inet1 = new InetControl(this);
    Inet2 = new InetControl(this);
    connect(Inet1, &InetControl::StateChanged, this, &Form1::Inet1_StateChanged);
    connect(Inet2, &InetControl::StateChanged, this, &Form1::Inet2_StateChanged);
}

QLabel* Form1::panel(int Panel) const
{
    if (Panel < 1 || Panel > 6)
        return nullptr;
    return StatusPanels[Panel - 1];
}

void Form1::setPanelText(int Panel, const QString& Text)
{
    QLabel* label = panel(Panel);
    if (!label)
        return;
    label->setText(Text);
    if (Panel == 1)
        label->setToolTip(plainToolTip(Text));
}

QString Form1::panelText(int Panel) const
{
    const QLabel* label = panel(Panel);
    return label ? label->text() : QString();
}

void Form1::StatusBar1_PanelClick(int Panel)
{
    if (Panel != 6)
        return;
    panel(6)->hide();
    Weather& compact = weather();
    compact.Image1[2]->clear();
    compact.Image1[2]->hide();
    wethWind().Image1[22]->hide();
}

void Form1::showBusyIndicator()
{
    // Over panel 2, from the status bar's top.
    const QPoint panelTwo = StatusPanels[1]->mapTo(this, QPoint(0, 0));
    Picture2->move(panelTwo.x(), StatusBar1->geometry().top() + twipsToPixels(4));
    Picture2->raise();
    Picture2->show();
    Gif89a1->play();
}

void Form1::hideBusyIndicator()
{
    Picture2->hide();
    Gif89a1->stop();
}
