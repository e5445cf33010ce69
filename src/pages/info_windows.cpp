#include "pages/info_windows.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/buoy_window.h"

#include <QAction>
#include <QPointer>

namespace {

QPointer<Form11> theForm11;

template <typename T>
T& instance(QPointer<T>& slot)
{
    return slot ? *slot : *(slot = new T());
}

} // namespace

Form11& form11() { return instance(theForm11); }
bool form11Loaded() { return !theForm11.isNull(); }

void BouyInfo_Click()
{
    if (!form11Loaded())
        form11().Form_Load();
    form11().show();
    form11().raise();
}

void connectInformationMenus(Form1& main)
{
    QObject::connect(main.BouyInfo, &QAction::triggered, &main, [] { BouyInfo_Click(); });
}

void closeInformationWindows()
{
    for (QWidget* window : {static_cast<QWidget*>(theForm11)}) {
        if (window)
            window->close();
    }
}

void releaseInformationWindows()
{
    // The pointers empty themselves.
    delete theForm11.data();
}
