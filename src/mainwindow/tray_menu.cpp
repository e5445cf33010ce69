// The tray menu, the tray icons' mouse actions, the station information
// menu and the acknowledgement of a station's alert.
#include "mainwindow/form1.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "platform/color_values.h"
#include "platform/waits.h"
#include "settings/program_state.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

void Form1::buildPopupMenus()
{
    PopMenu1 = new QMenu(QStringLiteral("mnuSelect"), this);
    const QStringList captions{"Show All-Weather", "Show Mini-Weather", "Close All-Weather", "Close Mini-Weather",
                               "Show Digital-Weather", "Close Digital-Weather", "-", "Refresh Now",
                               "Options Menu", "-", "Shut Down"};
    for (int i = 0; i < captions.size(); ++i) {
        if (captions[i] == QLatin1String("-")) {
            PopMenu[i] = PopMenu1->addSeparator();
            continue;
        }
        PopMenu[i] = PopMenu1->addAction(captions[i]);
        connect(PopMenu[i], &QAction::triggered, this, [this, i] { PopMenu_Click(i); });
    }
    PopMenu[3]->setVisible(false);
    PopMenu[5]->setVisible(false);

    ForUvWarn = new QMenu(QStringLiteral("ForUvWarn"), this);
    const QStringList info{"Local 3 Day Forcast", "State Forecast", "Weather Warning", "Uv Forecast",
                           "UV US Map", "Weather History", "Display City Log", "Display General Log"};
    for (int i = 0; i < info.size(); ++i)
        StateInfo[i] = ForUvWarn->addAction(info[i]);

    Timer3 = new QTimer(this);
    Timer3->setSingleShot(true);
    Timer3->setInterval(500);
    connect(Timer3, &QTimer::timeout, this, &QWidget::close);

    TrayIcons::instance().onAction = [this](int icon, const QString& event, const QPoint& at) {
        trayAction(icon, event, at);
    };
}

void Form1::bringUp(QWidget& window)
{
    if (isMinimized() || isMaximized())
        window.setWindowState(Qt::WindowNoState);
    window.setWindowFlag(Qt::WindowStaysOnTopHint, AOT->isChecked());
    window.show();
    window.activateWindow();
}

void Form1::PopMenu_Click(int Index)
{
    DoEvents();
    Weather& compact = weather();
    switch (Index) {
    case 0:
        setWindowState(Qt::WindowNoState);
        compact.hide();
        wethWind().hide();
        show();
        activateWindow();
        break;
    case 1:
        wethWind().hide();
        hide();
        if (windowState() == Qt::WindowNoState)
            DoEvents();
        bringUp(compact);
        break;
    case 2: hide(); break;
    case 3: compact.hide(); break;
    case 4:
        hide();
        compact.hide();
        DoEvents();
        Display_Digital();
        DoEvents();
        bringUp(wethWind());
        break;
    case 5: wethWind().hide(); break;
    case 7: RNow_Click(); break;
    case 8: Cities_Click(); return;
    case 10: Timer3->start(); break;
    default: break;
    }
    DoEvents();
}

void Form1::trayAction(int icon, const QString& event, const QPoint& at)
{
    ProgramState& state = program();
    if (state.TrayPassThrough)
        return;
    Weather& compact = weather();
    if (icon == 1 && event == QLatin1String("LBUTTONDBLCLK")) {
        if (isVisible()) {
            activateWindow();
        } else if (compact.isVisible()) {
            compact.activateWindow();
        } else if (wethWind().isVisible()) {
            wethWind().activateWindow();
        } else if (state.ShownWindow == 1) {
            setWindowState(Qt::WindowNoState);
            show();
            activateWindow();
        } else if (state.ShownWindow == 2) {
            compact.setWindowState(Qt::WindowNoState);
            bringUp(compact);
        } else if (state.ShownWindow == 3) {
            wethWind().setWindowState(Qt::WindowNoState);
            Display_Digital();
            DoEvents();
            bringUp(wethWind());
        }
    } else if (icon == 1 && event == QLatin1String("RBUTTONUP")) {
        PopMenu[0]->setVisible(!isVisible());
        PopMenu[2]->setVisible(isVisible());
        PopMenu[1]->setVisible(!compact.isVisible());
        PopMenu[3]->setVisible(compact.isVisible());
        PopMenu[4]->setVisible(!wethWind().isVisible());
        PopMenu[5]->setVisible(wethWind().isVisible());
        PopMenu1->popup(at);
    } else if (icon == 2 && event == QLatin1String("LBUTTONDBLCLK")) {
        const int last = std::min(static_cast<int>(form2().List3->count()) - 1, 9);
        for (int i = 0; i <= last; ++i)
            state.WarnFlag[i] = state.WarnSound[i] = false;
    }
}

void Form1::S_Warning_Click(int Index)
{
    ProgramState& state = program();
    if (Index != state.CurrentSlot)
        return;
    state.WarnFlag[Index] = false;
    state.WarnSound[Index] = false;
    setBackColor(weather().Label1[0], kRed);
    setBackColor(S_Warning[Index], kRed);
    wethWind().Image2->hide();
}

void Form1::Label2_MouseUp(int Index, Qt::MouseButton Button, const QPoint& at)
{
    program().PopupSlot = -1;
    if (Button != Qt::RightButton)
        return;
    program().PopupSlot = Index;
    ForUvWarn->popup(at);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < 10; ++i) {
            if (watched == S_Warning[i])
                S_Warning_Click(i);
            else if (watched == Label2[i])
                Label2_MouseUp(i, mouse->button(), mouse->globalPosition().toPoint());
        }
        for (int Panel = 1; Panel <= 6; ++Panel)
            if (watched == panel(Panel))
                StatusBar1_PanelClick(Panel);
    }
    return QMainWindow::eventFilter(watched, event);
}
