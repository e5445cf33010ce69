#include "mainwindow/forms.h"

#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/weather_window.h"
#include "mainwindow/digital_window.h"
#include "options/local_radar_editor.h"
#include "options/options_dialog.h"
#include "options/web_site_editor.h"
#include "pages/info_windows.h"
#include "pictures/picture_window.h"

#include <QPointer>

namespace {

QPointer<Form1> theForm1;
QPointer<Form2> theForm2;
QPointer<Weather> theWeather;
QPointer<frmAbout> theAbout;
QPointer<WethWind> theWethWind;

template <typename T>
T& created(QPointer<T>& slot)
{
    if (!slot)
        slot = new T();
    return *slot;
}

template <typename T>
void release(QPointer<T>& slot)
{
    delete slot.data();
    slot = nullptr;
}

} // namespace

Form1& form1() { return created(theForm1); }
Weather& weather() { return created(theWeather); }
frmAbout& about() { return created(theAbout); }
WethWind& wethWind() { return created(theWethWind); }
bool wethWindLoaded() { return !theWethWind.isNull(); }

Form2& form2()
{
    if (!theForm2) {
        theForm2 = new Form2();
        theForm2->Form_Load();
    }
    return *theForm2;
}

bool aboutLoaded()
{
    return !theAbout.isNull();
}

void discardAbout()
{
    release(theAbout);
}

bool form2Loaded()
{
    return !theForm2.isNull();
}

void releaseAllForms()
{
    discardForm9();
    discardForm10();
    closePictureWindows();
    releaseInformationWindows();
    release(theForm2);
    release(theWethWind);
    release(theWeather);
    release(theAbout);
    release(theForm1);
}
