#include "pages/info_windows.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/buoy_window.h"
#include "pages/clock_check.h"
#include "pages/horoscope_window.h"
#include "pages/planets.h"
#include "pages/storm_window.h"

#include <QAction>
#include <QPointer>

namespace {

QPointer<Form8> theForm8;
QPointer<Form11> theForm11;
QPointer<Horoscope> theHoroscope;

template <typename T>
T& instance(QPointer<T>& slot)
{
    return slot ? *slot : *(slot = new T());
}

} // namespace

Form8& form8() { return instance(theForm8); }
Form11& form11() { return instance(theForm11); }
Horoscope& horoscope() { return instance(theHoroscope); }
bool form8Loaded() { return !theForm8.isNull(); }
bool form11Loaded() { return !theForm11.isNull(); }
bool horoscopeLoaded() { return !theHoroscope.isNull(); }

void BouyInfo_Click()
{
    if (!form11Loaded())
        form11().Form_Load();
    form11().show();
    form11().raise();
}

void Cycloned_Click(int Index)
{
    if (Index != 0)
        return;
    // The window shows itself when it loads.
    if (form8Loaded())
        form8().raise();
    else
        form8().Form_Load();
}

void mnuHoro_Click(int Index)
{
    if (Index < 0 || Index > 11)
        return;
    Horoscope::Sign = form1().mnuHoro[Index]->text();
    // An open window keeps what it shows: nothing is fetched again.
    if (horoscopeLoaded())
        horoscope().raise();
    else
        horoscope().Form_Load();
}

void connectInformationMenus(Form1& main)
{
    QObject::connect(main.BouyInfo, &QAction::triggered, &main, [] { BouyInfo_Click(); });
    QObject::connect(main.Cycloned[0], &QAction::triggered, &main, [] { Cycloned_Click(0); });
    for (int i = 0; i < 12; ++i)
        QObject::connect(main.mnuHoro[i], &QAction::triggered, &main, [i] { mnuHoro_Click(i); });
    QObject::connect(main.GreenwichTime, &QAction::triggered, &main, [] { GreenwichTime_Click(); });
    QObject::connect(main.mnuSmPrS, &QAction::triggered, &main, [] { mnuSmPrS_Click(); });
}

void releaseInformationWindows()
{
    // The pointers empty themselves.
    delete theForm8.data();
    delete theForm11.data();
    delete theHoroscope.data();
}
