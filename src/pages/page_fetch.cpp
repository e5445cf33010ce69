#include "pages/page_fetch.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/inet_control.h"
#include "settings/connection.h"

#include <QScopeGuard>

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
    return fetchText(*form1().Inet1, url);
}

std::optional<QString> fetchPageStart(const QString& url, qint64 maxBytes)
{
    InetControl& inet = *form1().Inet1;
    // The bound holds for this request alone.
    const auto usualBound = qScopeGuard([&inet, bytes = inet.maxReplyBytes(), cuts = inet.cutsLongReplies()] {
        inet.setMaxReplyBytes(bytes);
        inet.setCutsLongReplies(cuts);
    });
    inet.setMaxReplyBytes(maxBytes);
    inet.setCutsLongReplies(true);
    return fetchText(inet, url);
}

bool programClosing()
{
    return form1().Unloading != 0;
}
