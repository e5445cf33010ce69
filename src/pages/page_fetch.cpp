#include "pages/page_fetch.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/inet_control.h"
#include "settings/connection.h"

bool refusedWhileBusy(const QString& busyText)
{
    Form1& main = form1();
    if (!main.Inet1->StillExecuting())
        return false;
    main.setPanelText(1, busyText);
    return true;
}

std::optional<QString> fetchPage(const QString& url)
{
    InetControl& inet = *form1().Inet1;
    try {
        Set_Inet(inet);
        return inet.OpenURL(url);
    } catch (const InetError&) {
        return std::nullopt;
    }
}
