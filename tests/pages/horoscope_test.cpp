#include "pages/horoscope_window.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/horoscope.h"
#include "pages/info_windows.h"
#include "pages/sign_pictures.h"
#include "pictures/picture_fetch.h"
#include "pictures/picture_window.h"
#include "settings/program_state.h"
#include "support/test_pictures.h"
#include "platform/desktop.h"
#include "platform/waits.h"
#include "pages/pages_test_support.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

TEST(HoroscopePage, CutsTheParagraphAfterTheDateLine)
{
    const QString page = "<html><b>Leo</b>\nThursday, March 4, 1999\n<p>   Today is a good day.\nFooter\n";
    const HoroscopeCut cut = cutHoroscope(page, 1999);
    EXPECT_EQ(cut.outcome, HoroscopeCut::Outcome::Paragraph);
    EXPECT_EQ(cut.text, "Today is a good day.");
    EXPECT_EQ(cutHoroscope(page, 2000).outcome, HoroscopeCut::Outcome::NoDateLine);
    EXPECT_EQ(cutHoroscope("March 4, 1999", 1999).outcome, HoroscopeCut::Outcome::NoDateLine);
    EXPECT_EQ(cutHoroscope("March 4, 1999\n   no end", 1999).outcome, HoroscopeCut::Outcome::Broken);
    EXPECT_EQ(horoscopeTitle(QDate(1999, 3, 4)), "Thursday, March 4 1999");

    const ZodiacSign* leo = zodiacSign("Leo");
    ASSERT_TRUE(leo);
    EXPECT_STREQ(leo->code, "le");
    EXPECT_STREQ(leo->range, "  July 23 - August 22");
    EXPECT_EQ(leo->picture, 6);
    EXPECT_FALSE(zodiacSign("leo"));

    // Twelve pictures, each its own.
    QList<QImage> pictures;
    for (int i = 1; i <= 12; ++i) {
        pictures << signPicture(i).toImage();
        ASSERT_FALSE(pictures.last().isNull()) << i;
        for (int j = 0; j + 1 < pictures.size(); ++j)
            EXPECT_NE(pictures[j], pictures.last()) << j + 1 << " and " << i;
    }
    EXPECT_TRUE(signPicture(13).isNull());
}

class HoroscopeTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        setDesktopSeam(DesktopSeam{[this](const QString& target) { opened << target; return true; }, {}});
    }
    void TearDown() override
    {
        clearDesktopSeam();
        PagesTest::TearDown();
    }
    QStringList opened;
};

} // namespace

TEST_F(HoroscopeTest, ShowsTheDaysParagraphOfTheChosenSign)
{
    const QString today = QLocale(QLocale::English).toString(QDate::currentDate(), "dddd, MMMM d, yyyy");
    server.route("/HoroscopePortalSite/horoscopes/today/le",
                 HttpReply::text(("<h2>Leo</h2>\n" + today + "\n<p>   A fine day for a walk.\n</p>").toUtf8()));
    form1().mnuHoro[4]->trigger();
    ASSERT_TRUE(horoscopeLoaded());
    Horoscope& window = horoscope();
    EXPECT_EQ(window.Label1->text(), "Leo  July 23 - August 22");
    EXPECT_EQ(window.Image2[0]->pixmap().toImage(), signPicture(6).toImage());
    EXPECT_EQ(window.Text1->toPlainText(), "A fine day for a walk.");
    EXPECT_EQ(window.windowTitle(), horoscopeTitle(QDate::currentDate()));

    // Another sign while the window is open is only remembered.
    form1().mnuHoro[0]->trigger();
    EXPECT_EQ(Horoscope::Sign, "Aries");
    EXPECT_EQ(window.Label1->text(), "Leo  July 23 - August 22");
    EXPECT_EQ(server.count("/HoroscopePortalSite/horoscopes/today/ar"), 0);

    window.Command1->click();
    EXPECT_EQ(opened, QStringList{server.url("/HoroscopePortalSite/horoscopes/")});
}

TEST_F(HoroscopeTest, SaysWhenThePageHasNoHoroscope)
{
    server.route("/HoroscopePortalSite/horoscopes/today/pi", HttpReply::text("Monday, May 3, 1999\n   old\n"));
    form1().mnuHoro[11]->trigger();
    EXPECT_EQ(horoscope().Text1->toPlainText(), "Problem Encountered.  Please try again later.");
    EXPECT_EQ(horoscope().windowTitle(), "Processing Horoscope....");
    horoscope().close();
    DoEvents();

    server.route("/HoroscopePortalSite/horoscopes/today/pi", HttpReply::of(HttpReply::Mode::CloseWithoutAnswer));
    form1().mnuHoro[11]->trigger();
    EXPECT_EQ(horoscope().Text1->toPlainText(), "Problem encountered while recovering data.  Try again later.");
    EXPECT_EQ(horoscope().windowTitle(), "Error");
    EXPECT_FALSE(form1().Picture2->isVisible());
}

TEST_F(HoroscopeTest, ASignChosenWhileAPictureDownloadsLeavesThatDownloadAlone)
{
    server.route("/map.png", [&](const HttpRequestRecord&) {
        form1().mnuHoro[4]->trigger(); // the shared transfer control is busy with this picture
        return HttpReply::bytes(stillPicture(QSize(100, 60), "PNG"));
    });
    Get_Picture(server.url("/map.png"), "Map");
    EXPECT_EQ(horoscope().Text1->toPlainText(), "Problem encountered while recovering data.  Try again later.");
    EXPECT_EQ(horoscope().windowTitle(), "Error");
    ASSERT_EQ(program().Pictures.PicCount, 1);
    EXPECT_EQ(program().Pictures.PicWindows[0]->windowTitle(), "Map");
}
