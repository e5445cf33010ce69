// The small commands that the main window's menus start directly.
#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/local_radar_editor.h"
#include "options/options_dialog.h"
#include "options/web_site_editor.h"
#include "platform/desktop.h"
#include "platform/program_folder.h"
#include "platform/user_dialogs.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QTimer>

void Form1::Auto_Click()
{
    const bool wasAuto = Auto->isChecked();
    Manual->setChecked(wasAuto);
    Auto->setChecked(!wasAuto);
}

void Form1::TempD_Click(int Index)
{
    if (Index < 0 || Index > 1)
        return;
    TempD[Index]->setChecked(true);
    TempD[1 - Index]->setChecked(false);
    // An update under way (this click came in one of its waits) keeps the
    // unit it started with: the refresh that follows it shows the new one.
    if (program().UpdateRunning)
        program().RefreshAsked = true;
    RNow_Click();
}

void Form1::TheAnimation_Click(int Index)
{
    if (Index < 0 || Index > 1)
        return;
    program().AnimKind = Index;
    TheAnimation[Index]->setChecked(true);
    TheAnimation[1 - Index]->setChecked(false);
    const int speed = form2().Combo3->currentIndex();
    if (speed >= 0 && speed <= 2)
        weather().Timer1->setInterval(animationStep(program().AnimKind, speed));
}

// The options dialog, loaded afresh when the watch list is empty so that it
// shows the saved stations. A dialog already open (opened again from the
// tray) is only brought to the front: loading it afresh would lose what the
// user is editing in it. So is one that another opener is loading: loading
// it again would fill its lists twice.
void Form1::Cities_Click()
{
    Form2& options = form2();
    if (!options.isVisible() && !options.loading() && options.List3->count() == 0) {
        options.loadAfresh();
        DoEvents();
    }
    if (options.isVisible() || options.loading()) {
        options.raise();
        options.activateWindow();
        return;
    }
    showModal(options);
}

void Form1::SaveS_Click()
{
    Save_Settings();
}

void Form1::SaveExit_Click()
{
    // Settings that could not be saved are not lost by closing: the program
    // stays open, and the message says what leaving now would keep. The
    // store's copy of the settings file is never read back, so a half save
    // leaves the next start with the settings saved before.
    const SaveFailureNotes notes{
        QStringLiteral("\nCorvane stays open. To leave without saving, choose File > Exit."),
        QStringLiteral("\nCorvane stays open. File > Exit keeps both files as they are now: Corvane then starts "
                       "with the settings saved before in CRVN.ini.")};
    if (!Save_Settings({}, notes))
        return;
    DoEvents();
    close();
}

void Form1::Exit_Click()
{
    close();
}

namespace {

// The list editors open beside the main window; a second choice of their
// menu item brings the open one to the front.
void showEditor(QWidget& editor)
{
    editor.show();
    editor.raise();
    editor.activateWindow();
}

} // namespace

void Form1::mnuEditRadar_Click()
{
    showEditor(form9());
}

void Form1::mnuWebSite_Click(int Index)
{
    if (Index >= 0 && Index <= 9)
        openWithDefaultProgram(program().WebSiteList[Index][1]);
    else if (Index == 10)
        showEditor(form10());
}

void Form1::ReadDocs_Click()
{
    openWithDefaultProgram(programPath(QStringLiteral("corvane.rtf")));
}

void Form1::TheWebCamsList_Click(int Index)
{
    if (Index < 0 || Index > 5)
        return;
    const QString viewer = programPath(QStringLiteral("Vistrel"));
    if (!QFileInfo(viewer).isExecutable()) {
        MsgBox(QStringLiteral("The Web Camera EXE file is missing!\r\nCheck your installation."),
               MsgButtons::Ok, MsgIcon::Stop, QStringLiteral("Vistrel File Error"));
        TheWebCamsList[Index]->setChecked(!TheWebCamsList[Index]->isChecked());
        return;
    }
    startProgram(viewer, {QString::number(Index)});
    for (int i = 0; i < 6; ++i)
        TheWebCamsList[i]->setChecked(i == Index);
}

void Form1::About_Click()
{
    showModal(about());
}
