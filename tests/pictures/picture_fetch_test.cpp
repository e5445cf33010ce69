#include "pictures/picture_fetch.h"

#include "options/radar_catalogue.h"
#include "picture_fixture.h"
#include "platform/animated_picture.h"
#include "platform/inet_control.h"
#include "platform/menu_captions.h"
#include "settings/connection.h"
#include "support/failing_writes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <functional>

namespace {

QStringList dataFiles()
{
    return QDir(dataFolder()).entryList(QDir::Files);
}

} // namespace

TEST_F(PictureTest, EveryFailureIsReportedInThePanelAndLeavesNoWindow)
{
    server.route("/error.gif", HttpReply::text("<html>404 Not Found</html>"));
    server.route("/flat.png", HttpReply::bytes(stillPicture(QSize(100, 27), "PNG")));
    server.route("/flat.gif", HttpReply::bytes(animatedGif(QSize(40, 27), 2)));
    server.route("/page/", HttpReply::text("<img src=\"/Radar/Now.gif\"> <img src=\"/radar/later.gif"));
    server.route("/lookup/", HttpReply::text("<img src=\"/radar/now.gif\">"));
    const QString refused = QStringLiteral("http://127.0.0.1:%1/gone.gif").arg(LocalHttpServer::refusedPort());
    const QString page = server.url("/page/@");
    const struct {
        const char* what;
        std::function<void()> fetch;
        const char* status;
    } cases[] = {
        {"nothing downloaded", [&] { Get_Picture(refused, "T"); }, "Picture Could Not Be Recovered"},
        {"downloaded onto a full disk", [&] { const FailingWrites diskFull; Get_Picture(server.url("/sat.gif"), "T"); },
         "Picture Could Not Be Saved"},
        {"looked up, then onto a full disk",
         [&] { const FailingWrites diskFull; Get_Local_Radar(server.url("/lookup/@/radar/"), "T"); }, "Picture Could Not Be Saved"},
        {"an error page", [&] { Get_Picture(server.url("/error.gif"), "T"); }, "Picture Not Available At This Time"},
        {"a still 405 twips high", [&] { Get_Picture(server.url("/flat.png"), "T"); },
         "Picture Not Available At This Time"},
        {"an animation 405 twips high", [&] { Get_Animation(server.url("/flat.gif"), "T"); },
         "Picture Not Available At This Time"},
        {"no @ in the argument", [&] { Get_Composite_Map(server.url("/page/"), "T"); },
         "Can't recover map at this time."},
        {"marker not in the page", [&] { Get_Composite_Map(page + "/satellite/", "T"); },
         "Can't recover map at this time."},
        {"marker in other case (the argument is lower-cased)", [&] { Get_Local_Radar(page + "/Radar/N", "T"); },
         "Can't recover map at this time."},
        {"no quote after the marker", [&] { Get_Composite_Map(page + "/radar/l", "T"); },
         "Picture Not Available At This Time"},
        {"the page cannot be fetched", [&] { Get_Local_Radar(refused + "@/radar/", "T"); },
         "Picture Not Available At This Time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("data/older.gif", "an earlier picture");
        c.fetch();
        EXPECT_EQ(form1().panelText(1), c.status);
        EXPECT_FALSE(form1().Picture2->isVisibleTo(&form1()));
        EXPECT_FALSE(form1().Gif89a1->isPlaying());
        EXPECT_EQ(existingPictures(), 0); // the failed window is gone, not hidden
        EXPECT_EQ(program().Pictures.PicCount, 0);
        EXPECT_FALSE(dataFiles().contains("older.gif"));
    }
    EXPECT_TRUE(messages.empty());

    // One pixel higher is a picture.
    server.route("/flat.png", HttpReply::bytes(stillPicture(QSize(100, 28), "PNG")));
    Get_Picture(server.url("/flat.png"), "Flat");
    ASSERT_EQ(shownPictures(), 1);
    EXPECT_EQ(newest()->windowTitle(), "Flat");
    EXPECT_EQ(dataFiles(), QStringList{"flat.png"});
}

TEST_F(PictureTest, APageLookupFetchesThePathAfterTheMarkerFromThePortal)
{
    server.route("/pages/radar.html", HttpReply::text("<a href=\"x\"><img src=\"/maps/radar/now.gif\" alt=\"\">"));
    server.route("/pages/empty.html", HttpReply::text("/maps/top.gif\" and more"));
    Get_Composite_Map(server.url("/Pages/Radar.html@/maps/RADAR/"), "Radar Now");
    EXPECT_EQ(lastPath(), "/WeatherPortalSite/maps/radar/now.gif");
    ASSERT_NE(newest(), nullptr);
    EXPECT_EQ(newest()->windowTitle(), "Radar Now");
    // An empty marker stands at the page's start.
    Get_Local_Radar(server.url("/pages/empty.html@"), "Top");
    EXPECT_EQ(lastPath(), "/WeatherPortalSite/maps/top.gif");
    // A radar page on the portal: its root, capitals and all, as configured.
    server.route("/WeatherPortalSite/weather/lot/nexrad/", HttpReply::text("<img src=\"/weather/nexrad/lot+now.gif\">"));
    Get_Local_Radar(radarPageArgument("LOT"), "Chicago");
    EXPECT_EQ(server.requests().value(server.requests().size() - 2).path, "/WeatherPortalSite/weather/lot/nexrad/");
    EXPECT_EQ(lastPath(), "/WeatherPortalSite/weather/nexrad/lot+now.gif");
    EXPECT_EQ(shownPictures(), 3);
}

TEST_F(PictureTest, LocalRadarEntriesAreFetchedByTheirKindInAnyCase)
{
    server.route("/pages/radar.html", HttpReply::text("<img src=\"/maps/radar/now.gif\">"));
    const struct {
        const char* kind;
        QString argument;
        QByteArray path; // empty: nothing fetched
        bool animated;
    } entries[] = {
        {"no", server.url("/r/still.gif"), "/r/still.gif", false},
        {"Yes", server.url("/r/moving.gif"), "/r/moving.gif", true},
        {"nEx", server.url("/pages/radar.html@/maps/radar/"), "/WeatherPortalSite/maps/radar/now.gif", false},
        {"MAYBE", server.url("/r/unknown.gif"), "", false},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(entries[i].kind);
        program().RadarList[i] = {entries[i].argument, entries[i].kind};
        setPlainCaption(form1().LocalRadar[i], QStringLiteral("Radar & %1").arg(i));
        const qsizetype before = server.requests().size();
        form1().LocalRadar[i]->trigger();
        if (entries[i].path.isEmpty()) {
            EXPECT_EQ(server.requests().size(), before);
            continue;
        }
        EXPECT_EQ(lastPath(), entries[i].path);
        ASSERT_NE(newest(), nullptr);
        EXPECT_EQ(newest()->windowTitle(), QStringLiteral("Radar & %1").arg(i));
        EXPECT_EQ(newest()->TheAnimatorBox->isVisibleTo(newest()), entries[i].animated);
        newest()->close();
    }
    LocalRadar_Click(10); // no such item

    // "Earth Daylight Area" only says that its picture is gone.
    const QStringList kept = dataFiles();
    const qsizetype before = server.requests().size();
    EDANow_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "This picture is no longer available");
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(server.requests().size(), before);
    EXPECT_EQ(dataFiles(), kept);
}

TEST_F(PictureTest, ARequestWhileTheConnectionIsBusyTouchesNothing)
{
    QString busyStatus;
    bool keptFile = false;
    server.route("/first.gif", [&](const HttpRequestRecord&) {
        // The first download is under way: a second request now is refused.
        writeFile("data/marker.txt", "written during the download");
        Get_Picture(server.url("/second.gif"), "Second");
        busyStatus = form1().panelText(1);
        keptFile = QFile::exists(path("data/marker.txt"));
        return HttpReply::bytes(animatedGif(QSize(40, 30), 1));
    });
    Get_Picture(server.url("/first.gif"), "First");
    EXPECT_EQ(busyStatus, "Connection Busy");
    EXPECT_TRUE(keptFile);
    EXPECT_EQ(server.count("/second.gif"), 0);
    ASSERT_EQ(shownPictures(), 1);
    EXPECT_EQ(newest()->windowTitle(), "First");
}

TEST_F(PictureTest, TenWindowsAtMostAndClosingOneMakesRoom)
{
    for (int i = 0; i < 10; ++i)
        Get_Picture(server.url(QStringLiteral("/p%1.gif").arg(i)), QStringLiteral("P%1").arg(i));
    EXPECT_EQ(shownPictures(), 10);
    EXPECT_EQ(program().Pictures.PicCount, 10);
    writeFile("data/kept.gif", "kept");
    Get_Animation(server.url("/eleventh.gif"), "Eleventh");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "The Maximum Number Of Open Windows\r\nHas Been Reached.  Please Close One\r\n"
                                "Before Displaying Another Picture.");
    EXPECT_EQ(messages[0].title, "Corvane");
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(server.count("/eleventh.gif"), 0);
    EXPECT_TRUE(QFile::exists(path("data/kept.gif")));

    newest()->xfiler_Click(1); // "Exit"
    EXPECT_EQ(program().Pictures.PicCount, 9);
    Get_Animation(server.url("/eleventh.gif"), "Eleventh");
    EXPECT_EQ(shownPictures(), 10);
    EXPECT_EQ(messages.size(), 1u);

    // The count never goes below nothing.
    program().Pictures.PicCount = 0;
    newest()->close();
    EXPECT_EQ(program().Pictures.PicCount, 0);
}
