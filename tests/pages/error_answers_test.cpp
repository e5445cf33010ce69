#include "mainwindow/form1.h"
#include "pages/buoy_window.h"
#include "pages/horoscope_window.h"
#include "pages/info_windows.h"
#include "pages/storm_window.h"
#include "pages_test_support.h"
#include "pictures/picture_fetch.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "support/test_pictures.h"
#include "update/uv_and_warning_checks.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <functional>

// Whatever the body of an answer with an HTTP error status holds, it is a
// page that did not come, and it replaces nothing fetched before.
TEST_F(PagesTest, AnErrorStatusIsAPageThatDidNotCome)
{
    const QByteArray png = stillPicture(QSize(300, 200), "PNG");
    const QByteArray storm = "/DataCompanySite/hurricane/atlantic/1998/ALEX/";
    const QString today = QLocale(QLocale::English).toString(QDate::currentDate(), "dddd, MMMM d, yyyy");
    form1().Cycloned[0]->trigger();
    server.route("/DataCompanySite/hurricane/atlantic/1998/index.html", HttpReply::text(" # Name\n  1 ALEX\n</PRE>"));
    form8().List2->setCurrentItem(form8().List2->findItems("1998", Qt::MatchExactly).value(0));
    DoEvents();
    form8().List3->setCurrentRow(0);
    form1().BouyInfo->trigger();
    const struct {
        QList<QPair<QByteArray, QByteArray>> pages; // each path and a body that would read as its page
        std::function<void()> fetch;
        std::function<QStringList()> shown;
        QStringList expected;
    } cases[] = {
        {{{"/BuoyReportSite/wx/buoydata/curr/all.html", "\n\nReports: 1\n\n\n      46041  45.1N\n"}},
         [&] { writeFile("Buoy/BuoyData.cvd", "earlier page\r\n"); form11().Command1_Click(0); },
         [&] { return QStringList{form11().Label2->text(), readFile("Buoy/BuoyData.cvd"),
                                  QString::number(form11().List1->count())}; },
         {"Not Available", "earlier page\r\n", "0"}},
        {{{"/HoroscopePortalSite/horoscopes/today/le", (today + "\n   A fine day.\n").toUtf8()}},
         [&] { if (horoscopeLoaded()) horoscope().close(); DoEvents(); form1().mnuHoro[4]->trigger(); },
         [&] { return QStringList{horoscope().windowTitle(), horoscope().Text1->toPlainText()}; },
         {"Error", "Problem encountered while recovering data.  Try again later."}},
        {{{storm + "track.dat", "ADV LAT LON\n"}, {storm + "track.gif", png}},
         [&] { form8().List3_DblClick(); },
         [&] { return QStringList{form8().Text1->toPlainText().contains("ADV") ? "error page shown" : "no data",
                                  form8().panel1->text(), QDir(path("data")).entryList(QDir::Files).join(",")}; },
         {"no data", "Picture Could Not Be Recovered", ""}},
        {{{"/uv.txt", "CITY               STATE  UVI\nDALLAS               TX     9\n"}},
         [&] { Get_UV_Index(server.url("/uv.txt")); },
         [&] { return QStringList{program().UVValues[17]}; }, // DALLAS
         {"NA"}},
        {{{"/sat.png", png}},
         [&] { Get_Picture(server.url("/sat.png"), "Satellite"); },
         [&] { return QStringList{form1().panelText(1), QString::number(program().Pictures.PicCount)}; },
         {"Picture Could Not Be Recovered", "0"}},
    };
    for (const int status : {404, 500}) {
        for (const auto& c : cases) {
            for (const auto& [route, body] : c.pages) {
                HttpReply reply = HttpReply::bytes(body, "text/plain");
                reply.status = status;
                server.route(route, reply);
            }
            c.fetch();
            EXPECT_EQ(c.shown().join(" | ").toStdString(), c.expected.join(" | ").toStdString())
                << c.pages[0].first.toStdString() << ", HTTP " << status;
        }
    }
}
