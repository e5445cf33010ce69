// Answers with an HTTP error status: whatever their body holds, they are
// pages that did not come, and nothing fetched before is replaced by them.
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "pages/buoy_window.h"
#include "pages/horoscope_window.h"
#include "pages/info_windows.h"
#include "pages/state_warnings.h"
#include "pages/storm_window.h"
#include "pages/text_viewer.h"
#include "pages_test_support.h"
#include "pictures/picture_fetch.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "support/test_pictures.h"
#include "update/uv_and_warning_checks.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

namespace {

const QByteArray kBuoyPage = "<PRE>\nOffshore Data at 18Z 14APR99\nReports: 1\nheading\n\n      46041 x\n</PRE>\n";
const QByteArray kSeason = "/datacompanysite/hurricane/atlantic/1998/";
const QByteArray kStorm = "/DataCompanySite/hurricane/atlantic/1998/ALEX/";

struct Fetch {
    const char* name;
    QList<QPair<QByteArray, QByteArray>> pages; // path and the body that would be read as that page
    std::function<void()> run;
    std::function<QStringList()> shown;
    QStringList expected;
};

} // namespace

using ErrorAnswersTest = PagesTest;

TEST_F(ErrorAnswersTest, AnErrorStatusIsAPageThatDidNotCome)
{
    const QByteArray picture = stillPicture(QSize(300, 200), "PNG");
    const QString today = QLocale(QLocale::English).toString(QDate::currentDate(), "dddd, MMMM d, yyyy");
    form2().List3->clear();
    addWatchEntry(form2().List3, "Texas - DALLAS", false);
    program().SlotURL[0] = server.url("/product.php?site=NWS&issuedby=TX&product=RWR");
    form1().Label2[0]->setText("DALLAS");
    form1().Cycloned[0]->trigger();
    Form8& storms = form8();
    server.route(kSeason + "index.html", HttpReply::text(" # Name\n  1 ALEX\n</PRE>"));
    server.route(kSeason + "track.gif", HttpReply::bytes(picture, "image/png"));
    storms.List2->setCurrentItem(storms.List2->findItems("1998", Qt::MatchExactly).value(0));
    DoEvents();
    ASSERT_EQ(storms.List3->count(), 1);
    form1().BouyInfo->trigger();

    const Fetch fetches[] = {
        {"buoy page, with an earlier good copy",
         {{"/BuoyReportSite/wx/buoydata/curr/all.html", kBuoyPage}},
         [&] {
             writeFile("Buoy/BuoyData.cvd", "earlier page\r\n");
             form11().Command1_Click(0);
         },
         [&] { return QStringList{form11().Label2->text(), readFile("Buoy/BuoyData.cvd"),
                                  QString::number(form11().List1->count())}; },
         {"Not Available", "earlier page\r\n", "0"}},
        {"horoscope",
         {{"/HoroscopePortalSite/horoscopes/today/le", (today + "\n   A fine day.\n").toUtf8()}},
         [&] {
             if (horoscopeLoaded())
                 horoscope().close();
             DoEvents();
             form1().mnuHoro[4]->trigger();
         },
         [&] { return QStringList{horoscope().windowTitle(), horoscope().Text1->toPlainText()}; },
         {"Error", "Problem encountered while recovering data.  Try again later."}},
        {"storm data and map",
         {{kStorm + "track.dat", "ADV LAT LON\n"}, {kStorm + "track.gif", picture}},
         [&] {
             storms.List3->setCurrentRow(0);
             storms.List3_DblClick();
         },
         [&] { return QStringList{storms.Text1->toPlainText().trimmed(), storms.panel1->text(),
                                  QDir(path("data")).entryList(QDir::Files).join(",")}; },
         {"Data and Map can not be recovered for\n" + QString(20, ' ') + "Sub Tropical Storms!",
          "Picture Could Not Be Recovered", ""}},
        {"UV bulletin",
         {{"/uv.txt", "CITY               STATE  UVI\nDALLAS               TX     9\n"}},
         [&] { Get_UV_Index(server.url("/uv.txt")); },
         [&] { return QStringList{program().UVValues[17]}; },
         {"NA"}},
        {"state warnings",
         {{"/api/alerts/active?area=TX",
           R"({"features": [{"properties": {"event": "Tornado Warning", "areaDesc": "Dallas, TX"}}]})"}},
         [&] { Show_State_Warnings(0); },
         [&] { return messageTexts() << QString::number(form4Loaded()); },
         {"Warnings Not Available!", "0"}},
        {"picture window",
         {{"/sat.png", picture}},
         [&] { Get_Picture(server.url("/sat.png"), "Satellite"); },
         [&] { return QStringList{form1().panelText(1), QString::number(program().Pictures.PicCount)}; },
         {"Picture Could Not Be Recovered", "0"}},
        {"page that names the picture",
         {{"/lookup/", "<img src=\"/radar/now.gif\">"}, {"/WeatherPortalSite/radar/now.gif", picture}},
         [&] { Get_Local_Radar(server.url("/lookup/@/radar/"), "Radar"); },
         [&] { return QStringList{form1().panelText(1), QString::number(program().Pictures.PicCount)}; },
         {"Picture Not Available At This Time", "0"}},
    };
    for (const int status : {404, 500}) {
        for (const Fetch& fetch : fetches) {
            for (const auto& [route, body] : fetch.pages) {
                HttpReply reply = HttpReply::bytes(body, "text/plain");
                reply.status = status;
                server.route(route, reply);
            }
            messages.clear();
            fetch.run();
            EXPECT_EQ(fetch.shown().join(" | ").toStdString(), fetch.expected.join(" | ").toStdString())
                << fetch.name << ", HTTP " << status;
        }
    }
}
