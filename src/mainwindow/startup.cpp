// The main window's life: start-up, minimising and shut-down.
#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "mainwindow/window_layout.h"
#include "options/local_radar_editor.h"
#include "options/options_dialog.h"
#include "options/web_site_editor.h"
#include "pages/buoy_window.h"
#include "pages/forecast_window.h"
#include "pages/horoscope_window.h"
#include "pages/info_windows.h"
#include "pages/storm_window.h"
#include "pages/text_viewer.h"
#include "pages/uv_window.h"
#include "platform/file_writes.h"
#include "platform/inet_control.h"
#include "platform/program_folder.h"
#include "pictures/map_urls.h"
#include "pictures/picture_window.h"
#include "settings/connection.h"
#include "settings/mail_check.h"
#include "settings/user_lists.h"
#include "platform/tray_icons.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "settings/string_routines.h"
#include "platform/color_values.h"
#include "settings/version.h"
#include "update/report_processing.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

template <typename Window>
void closeIfLoaded(bool (*loaded)(), Window& (*window)())
{
    if (loaded())
        window().close();
}

} // namespace

int Form1::heightForStations(int stations)
{
    const int rows = std::clamp(stations - 1, 0, 9);
    return rows * 360 + 1605;
}

void Form1::showStationRows(int stations)
{
    const int shown = std::clamp(stations, 1, 10);
    for (int row = 0; row < 10; ++row) {
        Option1[row]->setVisible(row < shown);
        S_Warning[row]->setVisible(row < shown);
        for (auto* column : stationColumns())
            (*column)[row]->setVisible(row < shown);
    }
}

bool Form1::Form_Load()
{
    ProgramState& state = program();
    state.IconName = {QString()};
    state.IconCategory = {0};
    state.TrayPassThrough = 1;
    state.ConnectedAtStart = Is_Connected();
    state.AutoDialOn = true;

    // Wherever the load lets events run, the program may be closed (the
    // desktop ends the session, the platform is refused): the load stops there.
    frmAbout& splash = about();
    splash.setWindowTitle(QString());
    splash.showAsSplash(3000);
    if (Unloading)
        return false;

    removeStaleSaveTemporaries();
    Load_LocalRadar(LocalRadar);
    Load_WebSites(std::span(mnuWebSite).first(10));
    Unloading = 0;
    Weather& compact = weather();
    compact.Form_Load();
    if (Unloading)
        return false;
    state.CurrentSlot = 0;
    Load_Map_URLs();
    state.Pictures.MaxPics = 9;
    setWindowTitle(QStringLiteral("Corvane ") + versionText().mid(8));
    DigWeat->setEnabled(true);
    PopMenu[4]->setVisible(true);
    PopMenu[5]->setVisible(true);

    // The downloaded pictures' folder and the sounds folder, when missing.
    QDir().mkpath(dataFolder());
    QDir().mkpath(programPath(QStringLiteral("Sounds")));

    for (auto* column : stationColumns())
        for (QLabel* label : *column)
            label->clear();
    state.IconCategorySel = 0;

    Form2& options = form2();
    DoEvents();
    if (Unloading)
        return false;
    DisScroll->setChecked(false);
    DisScroll->setEnabled(false);
    Size_To_WatchList(*this, options.List3->count());

    if (MinWeat->isChecked() || DigWeat->isChecked()) {
        // Minimised: the state change brings up the chosen small window.
        // The main window stays hidden behind the tray icon, or without one
        // shows minimised, for the task list to bring back.
        StartMinimized = true;
        if (TrayIcons::instance().reachable())
            setWindowState(Qt::WindowMinimized);
        else
            showMinimized();
    } else {
        StartMinimized = false;
        show();
    }
    state.TrayPassThrough = 0;
    // The splash goes for good: the About window opened later starts afresh.
    splash.close();
    discardAbout();
    DoEvents();
    if (Unloading)
        return false;
    Play_Sound(QStringLiteral("Thunder.wav"));
    DoEvents();
    if (Unloading)
        return false;

    if (options.List3->count() > 0)
        Timer1->start();
    else
        Cities_Click();
    return Unloading == 0;
}

void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        program().ShownWindow = 1;
}

void Form1::Form_Resize()
{
    Weather& compact = weather();
    if (!isMinimized()) {
        compact.Timer1->start();
        return;
    }
    // Only the tray icon brings a hidden window back: without one the
    // window stays minimised in the task list.
    if (TrayIcons::instance().reachable())
        hide();
    ProgramState& state = program();
    if (!Label2[0]->text().isEmpty()) {
        compact.showCurrentRow();
        showLastUpdate();
    } else {
        compact.Place->setText(QStringLiteral("Waiting On Data"));
    }
    // The last station keeps its previous button as it was.
    if (state.CurrentSlot != 9)
        compact.Command1[4]->setEnabled(state.CurrentSlot != 0);
    compact.Command1[5]->setEnabled(state.CurrentSlot != 9);
    setBackColor(compact.Label1[0], backColor(S_Warning[state.CurrentSlot]));

    QWidget* shown = nullptr;
    if (StartMinimized) {
        StartMinimized = false;
        if (MinWeat->isChecked())
            shown = &compact;
        else if (DigWeat->isChecked())
            shown = &wethWind();
    } else if (state.PopUpIndex == 0) {
        shown = &compact;
    } else if (state.PopUpIndex == 1) {
        Display_Digital();
        DoEvents();
        shown = &wethWind();
    }
    if (shown) {
        shown->setWindowFlag(Qt::WindowStaysOnTopHint, AOT->isChecked());
        shown->show();
        shown->activateWindow();
    }
    compact.Timer1->start();
}

void Form1::closeEvent(QCloseEvent* event)
{
    Closing = 1;
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void Form1::Form_Unload()
{
    ProgramState& state = program();
    Unloading = -1;
    TrayIcons& tray = TrayIcons::instance();
    if (state.WarnIconShown)
        tray.Tray_Delete(2);
    weather().Delete_Tray_Icon();
    Inet1->Cancel();
    cancelMailCheck();
    weather().Timer1->stop();
    weather().Timer2->stop();
    if (aboutLoaded())
        about().Timer1->stop();
    Timer1->stop();
    Timer2->stop();
    DoEvents();
    // Every other window closes, in this order; asking for one that is not
    // open would make it, so those are left alone.
    closeIfLoaded(form2Loaded, form2);
    closeIfLoaded(form3Loaded, form3);
    closeIfLoaded(form4Loaded, form4);
    closePictureWindows();
    closeIfLoaded(form8Loaded, form8);
    closeIfLoaded(form9Loaded, form9);
    closeIfLoaded(form10Loaded, form10);
    closeIfLoaded(form11Loaded, form11);
    closeIfLoaded(horoscopeLoaded, horoscope);
    closeIfLoaded(wForcastLoaded, wForcast);
    closeIfLoaded(aboutLoaded, about);
    weather().close();
    closeIfLoaded(wethWindLoaded, wethWind);
    QCoreApplication::quit();
}
