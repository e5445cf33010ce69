#include "pictures/picture_fetch.h"

#include "picture_fixture.h"

#include <QLabel>
#include <functional>

namespace {

// Where a fetch waits when the handler runs.
enum class At {
    PassBeforeDownload, // the one pass of pending events after the data folder is emptied
    PageFetch,          // the page that names the picture comes in
    Download,           // the picture comes in
};

const QSize kHeldSize(60, 45);

// A window opened the way another window's large view opens one.
void openLargeView(const QString& title)
{
    Form5* window = newPictureWindow();
    window->loadPicture(stillPicture(QSize(40, 30), "PNG"), "view.png");
    showPictureWindow(*window, title);
}

void closeNewest()
{
    program().Pictures.PicWindows[0]->close();
}

} // namespace

TEST_F(PictureTest, WhatAHandlerDoesWhileAFetchWaitsLeavesTheRightWindowsAndCount)
{
    const QByteArray held = stillPicture(kHeldSize, "PNG");
    const struct {
        const char* what;
        int openBefore;
        At at;
        std::function<void()> handler;
        int shown;         // picture windows afterwards, all counted
        bool heldShown;    // the fetched picture got its window
        int limitMessages; // "The Maximum Number Of Open Windows ..."
        bool otherFetched; // the picture the handler asked for was requested
    } cases[] = {
        {"all windows closed while the picture downloads", 3, At::Download, closePictureWindows, 1, true, 0, false},
        {"the newest window closed while the picture downloads", 3, At::Download, closeNewest, 3, true, 0, false},
        {"a window closed just before the download", 3, At::PassBeforeDownload, closeNewest, 3, true, 0, false},
        {"all windows closed while the page is fetched", 2, At::PageFetch, closePictureWindows, 1, true, 0, false},
        {"a tenth window opened while the picture downloads", 9, At::Download, [] { openLargeView("View"); },
         10, false, 1, false},
        {"a tenth window opened while the page is fetched", 9, At::PageFetch, [] { openLargeView("View"); },
         10, false, 1, false},
        {"a picture fetched just before the download", 9, At::PassBeforeDownload,
         [this] { Get_Picture(server.url("/other.gif"), "Other"); }, 10, false, 1, true},
        {"a picture asked for while the page is fetched", 0, At::PageFetch,
         [this] { Get_Picture(server.url("/other.gif"), "Other"); }, 1, true, 0, false},
        {"the data folder emptied while the picture downloads", 0, At::Download,
         [this] {
             emptyDataFolder();
             writeFile("data/held.png", "another fetch's file of the same name");
         },
         1, true, 0, false},
        {"the program closed just before the download", 2, At::PassBeforeDownload, [] { form1().close(); }, 0,
         false, 0, false},
        {"the program closed while the page is fetched", 2, At::PageFetch, [] { form1().close(); }, 0, false, 0, false},
        {"the program closed while the picture downloads", 2, At::Download, [] { form1().close(); }, 0, false, 0,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        releaseAllForms();
        ASSERT_EQ(existingPictures(), 0);
        program().Pictures = PictureWindows{};
        messages.clear();
        for (int i = 0; i < c.openBefore; ++i)
            openLargeView(QStringLiteral("Before %1").arg(i));
        ASSERT_EQ(program().Pictures.PicCount, c.openBefore);

        // The routes run the handler while the fetch waits for them.
        auto serve = [&c](At where, const HttpReply& reply) -> LocalHttpServer::Handler {
            return [&c, where, reply](const HttpRequestRecord&) {
                if (c.at == where)
                    c.handler();
                return reply;
            };
        };
        server.route("/held.png", serve(At::Download, HttpReply::bytes(held, "image/png")));
        server.route("/page.html", serve(At::PageFetch, HttpReply::text("<img src=\"/maps/held.png\">")));
        server.route("/WeatherPortalSite/maps/held.png", HttpReply::bytes(held, "image/png"));
        const int otherBefore = server.count("/other.gif");
        if (c.at == At::PassBeforeDownload)
            QMetaObject::invokeMethod(qApp, c.handler, Qt::QueuedConnection);

        if (c.at == At::PageFetch)
            Get_Composite_Map(server.url("/page.html@/maps/"), "Held");
        else
            Get_Picture(server.url("/held.png"), "Held");

        EXPECT_EQ(shownPictures(), c.shown);
        EXPECT_EQ(existingPictures(), c.shown); // nothing hidden left behind
        EXPECT_EQ(program().Pictures.PicCount, c.shown);
        EXPECT_EQ(shownPictures("Held"), c.heldShown ? 1 : 0);
        if (c.heldShown) {
            EXPECT_EQ(newest()->Picture1->size(), kHeldSize);
        }
        EXPECT_EQ(static_cast<int>(messages.size()), c.limitMessages);
        // Asked for or not: the network layer may send a request twice.
        EXPECT_EQ(server.count("/other.gif") > otherBefore, c.otherFetched);
    }
}
