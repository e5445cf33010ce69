#include "pages/storm_window.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/info_windows.h"
#include "pages/page_text.h"
#include "pages/storm_archive.h"
#include "platform/inet_control.h"
#include "pictures/picture_window.h"
#include "settings/program_state.h"
#include "platform/waits.h"
#include "pages/pages_test_support.h"
#include "support/failing_writes.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>
#include <tuple>

namespace {

TEST(StormArchive, YearsAddressesNamesAndTables)
{
    EXPECT_EQ(stormYears(0, 2001).mid(0, 3), (QStringList{"2001", "2000", "1999"}));
    EXPECT_EQ(stormYears(0, 2024).last(), "1886");
    EXPECT_EQ(stormYears(1, 2024).last(), "1950");
    EXPECT_EQ(stormYears(2, 2024).last(), "1945");
    EXPECT_TRUE(stormYears(3, 2024).isEmpty());

    EXPECT_EQ(seasonMapAddress("http://Host/DataCompanySite", 1, "1997"),
              "http://Host/DataCompanySite/hurricane/e_pacific/1997/track.gif");
    EXPECT_EQ(stormMapAddress("http://h", 0, "1992", "ANDREW"), "http://h/hurricane/atlantic/1992/ANDREW/track.gif");

    const std::pair<const char*, const char*> names[] = {
        {" 12 #ANDREW                  ", "ANDREW"},
        {"  3 BONNIE      ", "BONNIE"},
        {"NOBLANKINTHISLINE", "NoName"},
        {"      ", "NoName"},
    };
    for (const auto& [line, name] : names)
        EXPECT_EQ(Get_Storm_Name(line), name) << line;
    EXPECT_EQ(stormLineTitle("  1 ALLISON          JUN 03-06 "), " ALLISON          JUN 03-");

    for (const QString end : {"\n", "\r\n", "\r"}) {
        EXPECT_EQ(stormTable("<PRE> # Name  Date" + end + "  1 ANA" + end + "  2 BOB" + end + "  3 LAST</PRE>"),
                  (QStringList{"  1 ANA", "  2 BOB"}))
            << end.toLatin1().toHex().toStdString();
    }
    EXPECT_FALSE(stormTable(" # Name  Date\n  1 ANA\n"));
    EXPECT_FALSE(stormTable("<PRE>nothing</PRE>"));

    EXPECT_EQ(withLineBreaks("a\nb\n", QLatin1Char('\n')), "a\r\nb\r\n");
    EXPECT_EQ(stormTransferText(6, "Storm Data", 0, 0), "Corvane Retrieving Storm Data ..... Please Wait");
    EXPECT_EQ(stormTransferText(13, "", 5, 0), "Corvane ERROR Number:  5 occured.");
    EXPECT_EQ(stormTransferText(0, "", 0, 0), "");
    EXPECT_EQ(stormTransferText(12, "Storm Data", 0, 404), "Corvane DATA Request Failed (HTTP 404)");
    EXPECT_TRUE(stormLegend().startsWith("Saffir-Simpson Scale \r\nThe chart color codes intensity"));
    EXPECT_TRUE(stormLegend().contains("Light Magenta"));
}

QByteArray pngPicture()
{
    QImage image(700, 500, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A season page: the storm's name ends within the first 29 characters of its line.
QByteArray seasonPage()
{
    return QByteArray("<HTML><PRE> # Name                    Date       Wind Pres Cat\n")
        + QString("  1 Hurricane ALEX").leftJustified(29).toLatin1() + "JUL 27-AUG 06  90  980   2\n"
        + QString("  2 Tropical Storm #BONNIE").leftJustified(29).toLatin1() + "AUG 19-30    100  954   3\n"
        + "</PRE></HTML>";
}

class StormWindowTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        form1().Cycloned[0]->trigger();
    }
    Form8& window() { return form8(); }
    void chooseYear(const QString& year)
    {
        window().List2->setCurrentItem(window().List2->findItems(year, Qt::MatchExactly).value(0));
        DoEvents(); // the year is fetched once the list is done
    }
    QString panel() { return window().panel1->text(); }
};

} // namespace

TEST_F(StormWindowTest, ShowsASeasonThenOneOfItsStorms)
{
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().List1->currentRow(), 0);
    EXPECT_EQ(window().List2->item(0)->text(), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(window().List2->item(window().List2->count() - 1)->text(), "1886");
    window().List1->setCurrentRow(2);
    EXPECT_EQ(window().List2->item(window().List2->count() - 1)->text(), "1945");
    window().List1->setCurrentRow(0);

    const QByteArray season = "/DataCompanySite/hurricane/atlantic/1998/";
    server.route(season + "index.html", HttpReply::text(seasonPage()));
    server.route(season + "track.gif", HttpReply::bytes(pngPicture(), "image/png"));
    QDir().mkpath(path("data"));
    writeFile("data/old.gif", "left over");
    chooseYear("1998");
    EXPECT_FALSE(QFile::exists(path("data/old.gif")));
    EXPECT_TRUE(QFile::exists(path("data/track.gif")));
    EXPECT_EQ(window().map()->pixmap().size(), QSize(700, 500));
    EXPECT_EQ(window().List3->count(), 2);
    EXPECT_TRUE(window().Text1->toPlainText().startsWith("Saffir-Simpson Scale"));
    EXPECT_EQ(panel(), "Corvane Data Request Successful");

    // Choosing "Data" brings the box to the front; "Picture" hides it again.
    window().Option1[1]->click();
    EXPECT_TRUE(window().Text1->isVisible());
    window().Option1[0]->click();
    EXPECT_FALSE(window().Text1->isVisible());
    window().HScroll1->setValue(120);
    EXPECT_EQ(window().map()->x(), -120);

    // A storm: its own track data and map; its folder's page has no table.
    const QByteArray storm = "/DataCompanySite/hurricane/atlantic/1998/BONNIE/";
    server.route(storm + "track.dat", HttpReply::text("ADV LAT LON\n1 25.1 -70.2\n", "text/plain"));
    server.route(storm + "index.html", HttpReply::text("<HTML>no table</HTML>"));
    server.route(storm + "track.gif", HttpReply::text("not a picture"));
    window().List3->setCurrentRow(1);
    window().List3_DblClick();
    EXPECT_EQ(window().Text1->toPlainText(), "ADV LAT LON\n1 25.1 -70.2\n");
    EXPECT_EQ(window().List3->count(), 2);
    EXPECT_EQ(panel(), "Picture Not Available At This Time");
    EXPECT_TRUE(window().map()->pixmap().isNull());

    // Track data that did not come: a notice, and the data box in front.
    // Only data the archive has not got is a sub-tropical storm's.
    const auto notice = [](const char* first, const char* second) {
        return QString(11, '\n') + QString(20, ' ') + first + '\n' + QString(20, ' ') + second;
    };
    const QString subTropical = notice("Data and Map can not be recovered for", "Sub Tropical Storms!");
    const QString notFetched = notice("The storm's data could not be fetched.", "Please try again later.");
    HttpReply notFound = HttpReply::text("<h1>Sorry</h1>"), failed = notFound;
    notFound.status = 404;
    failed.status = 500;
    const std::pair<HttpReply, QString> answers[] = {{HttpReply::text("<h1>File Not Found</h1>"), subTropical},
                                                     {notFound, subTropical}, {failed, notFetched},
                                                     {HttpReply::of(HttpReply::Mode::CloseWithoutAnswer), notFetched}};
    server.route(storm + "track.gif", HttpReply::of(HttpReply::Mode::CloseWithoutAnswer));
    for (const auto& [answer, notice] : answers) {
        window().Option1[0]->click();
        server.route(storm + "track.dat", answer);
        window().List3_DblClick();
        EXPECT_TRUE(window().Option1[1]->isChecked());
        EXPECT_TRUE(window().Text1->isVisible());
        EXPECT_EQ(window().Text1->toPlainText(), notice) << answer.status << " " << int(answer.mode);
        EXPECT_EQ(panel(), "Picture Could Not Be Recovered");
    }

    // The map comes but finds the disk full.
    server.route(storm + "track.gif", HttpReply::bytes(pngPicture(), "image/png"));
    const FailingWrites diskFull;
    window().List3_DblClick();
    EXPECT_EQ(panel(), "Picture Could Not Be Saved");
    EXPECT_TRUE(window().map()->pixmap().isNull());
}

TEST_F(StormWindowTest, ASeasonPageWithoutATableKeepsTheListAndSaysSo)
{
    window().List3->addItem("  1 KEPT");
    server.route("/DataCompanySite/hurricane/atlantic/1999/index.html", HttpReply::text(" # Name but no end"));
    chooseYear("1999");
    EXPECT_EQ(window().List3->count(), 1);
    EXPECT_EQ(window().List3->item(0)->text(), "  1 KEPT");

    window().List3->setCurrentRow(0);
    window().List3_DblClick(); // "  1 KEPT" names a storm: its folder is asked for
    EXPECT_GT(server.count("/DataCompanySite/hurricane/atlantic/1999/KEPT/track.dat"), 0);
}

TEST_F(StormWindowTest, ClosingReleasesTheWindow)
{
    window().close();
    DoEvents();
    EXPECT_FALSE(form8Loaded());
    form1().Cycloned[0]->trigger();
    EXPECT_TRUE(form8Loaded());
    EXPECT_EQ(form8().List1->currentRow(), 0);
}

TEST_F(StormWindowTest, ShowLargeViewOpensTheMapInAPictureWindow)
{
    window().mnuSLV_Click(); // no map yet: nothing
    EXPECT_EQ(program().Pictures.PicCount, 0);

    const QByteArray season = "/DataCompanySite/hurricane/atlantic/1998/";
    server.route(season + "index.html", HttpReply::text(seasonPage()));
    server.route(season + "track.gif", HttpReply::bytes(pngPicture(), "image/png"));
    chooseYear("1998");
    window().mnuSLV_Click();
    ASSERT_EQ(program().Pictures.PicCount, 1);
    Form5* large = program().Pictures.PicWindows.back();
    ASSERT_TRUE(large);
    EXPECT_EQ(large->windowTitle(), "1998 Tropical Storm Tracks");
    EXPECT_EQ(large->Picture1->pixmap().size(), QSize(700, 500));

    // The title is that of the map shown: a storm chosen is not yet shown.
    window().List3->setCurrentRow(0);
    window().mnuSLV_Click();
    EXPECT_EQ(program().Pictures.PicWindows.back()->windowTitle(), "1998 Tropical Storm Tracks");
    server.route(season + "ALEX/track.gif", HttpReply::bytes(pngPicture(), "image/png"));
    window().List3_DblClick();
    window().List3->setCurrentRow(1);
    window().mnuSLV_Click();
    EXPECT_EQ(program().Pictures.PicWindows.back()->windowTitle(), " Hurricane ALEX          ");

    program().Pictures.PicCount = program().Pictures.MaxPics + 1;
    window().mnuSLV_Click();
    EXPECT_EQ(messages.back().text, "The Maximum Number Of Open Windows\r\nHas Been Reached.  Please Close One\r\n"
                                    "Before Displaying Another Picture.");
}

// A storm's folder page that lists the season empties the storm list's
// choice. The list keeps the focus, and when the map's menu closes it makes
// its first row current: no choice of the user's, and no storm shown.
TEST_F(StormWindowTest, TheMapsMenuTitlesTheStormShownNotTheRowTheListMakesCurrent)
{
    const QByteArray season = "/DataCompanySite/hurricane/atlantic/1998/";
    server.route(season + "index.html", HttpReply::text(seasonPage()));
    server.route(season + "BONNIE/index.html", HttpReply::text(seasonPage()));
    server.route(season + "BONNIE/track.dat", HttpReply::text("ADV LAT LON\n", "text/plain"));
    server.route(season + "BONNIE/track.gif", HttpReply::bytes(pngPicture(), "image/png"));
    window().activateWindow();
    chooseYear("1998");
    window().List3->setFocus();
    window().List3->setCurrentRow(1);
    window().List3_DblClick();
    ASSERT_FALSE(window().map()->pixmap().isNull());
    ASSERT_EQ(window().List3->currentRow(), -1);
    ASSERT_TRUE(window().List3->hasFocus());

    const QPoint at = window().map()->mapToGlobal(QPoint(10, 10));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), at, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window().map(), &press);
    ASSERT_TRUE(window().mnuBlankForm8->isVisible());
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Return}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(window().mnuBlankForm8, &event);
    }
    DoEvents();
    ASSERT_EQ(program().Pictures.PicCount, 1);
    EXPECT_EQ(program().Pictures.PicWindows.back()->windowTitle(), " Tropical Storm #BONNIE  ");
    window().Option1[1]->click();
    EXPECT_TRUE(window().Text1->toPlainText().startsWith("Saffir-Simpson Scale"));
}

TEST_F(StormWindowTest, EveryChangeOfTheChosenYearFetchesItOnce)
{
    for (const QByteArray year : {"1997", "1998"}) {
        server.route("/DataCompanySite/hurricane/atlantic/" + year + "/index.html",
                     HttpReply::text("<PRE> # Name\n  1 STORM OF " + year + "\n</PRE>"));
    }
    int requests = 0; // a season takes two: its page and its map
    QObject::connect(window().Inet1, &InetControl::StateChanged,
                     [&requests](int state) { requests += state == InetControl::icResolvingHost; });
    QListWidget& years = *window().List2;
    auto click = [&years](const char* year) { // a press chooses the item, a release clicks it
        QListWidgetItem* item = years.findItems(year, Qt::MatchExactly).value(0);
        years.setCurrentItem(item);
        emit years.itemClicked(item);
    };
    auto key = [&years](Qt::Key code) {
        QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
        QCoreApplication::sendEvent(&years, &event);
    };
    auto clickWhileLoading = [&] {
        server.route("/DataCompanySite/hurricane/atlantic/1997/index.html", [&](const HttpRequestRecord&) {
            click("1998"); // finds the window busy
            return HttpReply::text("<PRE> # Name\n  1 STORM OF 1997\n</PRE>");
        });
        key(Qt::Key_Down);
    };
    const std::tuple<std::function<void()>, int, const char*> steps[] = {
        {[&] { click("1998"); }, 1, "1998"},           {[&] { click("1998"); }, 0, "1998"}, // chosen again
        {[&] { key(Qt::Key_Down); }, 1, "1997"},       {[&] { key(Qt::Key_Up); }, 1, "1998"},
        {[&] { click("1997"); click("1998"); }, 1, "1998"}, // the second comes in before the first request
        {clickWhileLoading, 1, "1997"},
    };
    for (const auto& [act, seasons, shown] : steps) {
        requests = 0;
        act();
        DoEvents();
        EXPECT_EQ(requests, 2 * seasons) << shown;
        ASSERT_EQ(window().List3->count(), 1);
        EXPECT_EQ(window().List3->item(0)->text(), QString("  1 STORM OF ") + shown);
    }
}

TEST_F(StormWindowTest, ADoubleClickedStormIsFetchedOnceTheListIsDoneWithTheClicks)
{
    server.route("/DataCompanySite/hurricane/atlantic/1998/index.html", HttpReply::text(seasonPage()));
    chooseYear("1998");
    const QByteArray trackData = "/DataCompanySite/hurricane/atlantic/1998/ALEX/track.dat";
    server.route(trackData, [this](const HttpRequestRecord&) {
        window().close(); // deletes the list that was double-clicked
        return HttpReply::text("data");
    });
    QWidget& storms = *window().List3->viewport();
    const QPointF at = window().List3->visualItemRect(window().List3->item(0)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
        QMouseEvent event(type, at, storms.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&storms, &event);
    }
    EXPECT_EQ(server.count(trackData), 0);
    DoEvents();
    DoEvents();
    EXPECT_GT(server.count(trackData), 0);
    EXPECT_FALSE(form8Loaded());
}
