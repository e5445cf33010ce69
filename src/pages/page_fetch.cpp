#include "pages/page_fetch.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/inet_control.h"
#include "settings/connection.h"

namespace {

// The control's reply bound for one request; the usual bound again after it.
class ReplyBound {
public:
    ReplyBound(InetControl& inet, qint64 maxBytes) : inet_(inet), usual_(inet.maxReplyBytes())
    {
        inet_.setMaxReplyBytes(maxBytes);
    }
    ~ReplyBound() { inet_.setMaxReplyBytes(usual_); }
    ReplyBound(const ReplyBound&) = delete;
    ReplyBound& operator=(const ReplyBound&) = delete;

private:
    InetControl& inet_;
    qint64 usual_;
};

} // namespace

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
    return fetchShortPage(url, form1().Inet1->maxReplyBytes());
}

std::optional<QString> fetchShortPage(const QString& url, qint64 maxBytes)
{
    InetControl& inet = *form1().Inet1;
    const ReplyBound bound(inet, maxBytes);
    try {
        Set_Inet(inet);
        return inet.OpenURL(url);
    } catch (const InetError&) {
        return std::nullopt;
    }
}

bool programClosing()
{
    return form1().Unloading != 0;
}
