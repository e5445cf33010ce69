#include "pages/home_page_files.h"

#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_fetch.h"
#include "pages/text_viewer.h"
#include "platform/inet_control.h"
#include "platform/user_dialogs.h"
#include "platform/waits.h"

#include <QLabel>

namespace {

const QString kMissing = QStringLiteral("ERROR");

// An answer that cannot be a text file: one without any text, or a web page
// (markup from its first character on: "<html>", "<!DOCTYPE", "<?xml", "<h1>"...).
bool notATextFile(const QString& reply)
{
    const QString text = reply.trimmed();
    if (text.isEmpty())
        return true;
    if (text.size() < 2 || text[0] != QLatin1Char('<'))
        return false;
    const QChar next = text[1];
    return next.isLetter() || next == QLatin1Char('!') || next == QLatin1Char('?') || next == QLatin1Char('/');
}

// The file's text, or "ERROR" when the control is busy, the fetch fails,
// the server answers with an error status or the answer is not a text file.
// Status panel 1 then says whether the file came.
QString homePageFile(const QString& fileName, const QString& completion, const QString& failure)
{
    Form1& main = form1();
    const QString url = about().Label4->text() + QLatin1Char('/') + fileName;
    QString reply = main.Inet1->StillExecuting() ? kMissing : fetchPage(url).value_or(kMissing);
    if (notATextFile(reply))
        reply = kMissing;
    main.setPanelText(1, replyMissing(reply) ? failure : completion);
    return reply;
}

} // namespace

bool replyMissing(const QString& reply)
{
    return reply == kMissing || reply.contains(QLatin1String("File Not Found"));
}

QString Get_News()
{
    return homePageFile(QStringLiteral("news.txt"), QStringLiteral("News Recovery Completed"),
                        QStringLiteral("News Recovery Failed"));
}

QString meteorFileName(const QDate& day)
{
    return QStringLiteral("meteor") + day.toString(QStringLiteral("yy")) + QStringLiteral(".txt");
}

QString Get_Meteor_Info()
{
    return homePageFile(meteorFileName(QDate::currentDate()), QStringLiteral("Meteor Information Recovery Completed"),
                        QStringLiteral("Meteor Information Recovery Failed"));
}

void LatestNews_Click()
{
    const QString reply = Get_News();
    DoEvents();
    if (programClosing())
        return;
    if (replyMissing(reply)) {
        MsgBox(QStringLiteral("There is currently no breaking news."), MsgButtons::Ok, MsgIcon::Information,
               QStringLiteral("Corvane News"));
        return;
    }
    showInViewer(QStringLiteral("Corvane News"), reply);
}

void MoonCal_Click()
{
    const QDate today = QDate::currentDate();
    const QString reply = Get_Meteor_Info();
    DoEvents();
    if (programClosing())
        return;
    if (replyMissing(reply)) {
        MsgBox(QStringLiteral("There is a problem contacting the site.\r\nTry again later."), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Corvane Meteor Showers"));
        return;
    }
    showInViewer(QStringLiteral("Meteor Showers For ") + today.toString(QStringLiteral("yyyy")), reply);
}
