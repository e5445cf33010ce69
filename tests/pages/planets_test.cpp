#include "pages/planets.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "pages/forecast_window.h"
#include "pages/planet_pictures.h"
#include "pages/pages_test_support.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include "platform/waits.h"

TEST(PlanetReport, CutsTheFirstPreformattedBlock)
{
    const QString page = "<html><tr><td><pre>\r\nSUN  RISE 6:12\r\nMOON SET 9:40\r\n</pre></td>"
                         "<tr><td><pre>\r\nsecond</pre></td>";
    EXPECT_EQ(planetReportTable(page), "SUN  RISE 6:12\r\nMOON SET 9:40\r\n");
    // Without the start markup the cut starts at the page's 15th character.
    EXPECT_EQ(planetReportTable("0123456789ABCDEFGH</pre></td>"), "EFGH");
    EXPECT_EQ(planetReportTable("<tr><td><pre>\r\nno end"), "");
    EXPECT_EQ(planetReportFailureText().count("\r\n"), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(planetPicture(i).isNull()) << i;
    EXPECT_NE(planetPicture(4).toImage(), planetPicture(5).toImage());
}

class PlanetsTest : public PagesTest {
protected:
    void show()
    {
        form1().mnuSmPrS->trigger();
    }
};

TEST_F(PlanetsTest, ShowsTheReportForTheZipCodeAsTyped)
{
    form2().Text2->clear();
    show();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Zip Code Required!");
    EXPECT_EQ(messages[0].icon, MsgIcon::None);
    EXPECT_FALSE(wForcastLoaded());

    form2().Text2->setText("02134");
    QString askedFor;
    server.route("/PlanetReportSite/weatherf/PLANETSF_qx01", [&](const HttpRequestRecord& request) {
        askedFor = QString::fromLatin1(request.target);
        return HttpReply::text("<tr><td><pre>\r\nMARS   RISE  21:04\r\nVENUS  SET   17:58\r\n</pre></td>");
    });
    show();
    EXPECT_EQ(askedFor, "/PlanetReportSite/weatherf/PLANETSF_qx01?partner=corvane&zipcode=02134");
    ASSERT_TRUE(wForcastLoaded());
    WForcast& window = wForcast();
    EXPECT_EQ(window.Text1->toPlainText(), "MARS   RISE  21:04\nVENUS  SET   17:58\n");
    EXPECT_EQ(window.Text1->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(window.Text1->palette().color(QPalette::Text), QColor(Qt::white));
    for (const QLabel* planet : window.ThePlanets)
        EXPECT_FALSE(planet->isHidden());
    EXPECT_EQ(modalShown.size(), 1);
    EXPECT_EQ(form1().panelText(1), "Processing Complete");
    window.Text1_Click();
    DoEvents();

    // A page that says it found nothing, and one that never came.
    server.route("/PlanetReportSite/weatherf/PLANETSF_qx01", HttpReply::text("Zip code not found"));
    show();
    EXPECT_EQ(messages.back().text, "Information Not Available At This Time!");
    server.route("/PlanetReportSite/weatherf/PLANETSF_qx01", HttpReply::of(HttpReply::Mode::CloseWithoutAnswer));
    show();
    EXPECT_EQ(wForcast().Text1->toPlainText(), "Some kind of Error occured\nPlease try again later." + QString(8, '\n'));
}
