// Choosing the current station in the main window's table.
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "settings/icon_definitions.h"
#include "settings/program_state.h"

#include <QLabel>

void Form1::Option1_Click(int Index)
{
    if (Index < 0 || Index > 9)
        return;
    program().CurrentSlot = Index;
    Display_Digital();
    const QString tip = Label2[Index]->text() + QStringLiteral(" - ") + Label3[Index]->text()
        + QStringLiteral(" - ") + Label4[Index]->text();
    // The condition picker always settles on a picture (the unknown one at worst).
    Pick_Icon(Label3[Index]);
    TrayIcons::instance().Tray_Update(1, tip, QIcon(form2().Image2[13]->pixmap()));
}
