// Text from pages and from the user's files shows as it stands, tags and all:
// in tips, and in every window that an update and the buoy page fill.
#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "pages/buoy_window.h"
#include "pages/info_windows.h"
#include "pages/uv_window.h"
#include "platform/plain_text.h"
#include "platform/settings_store.h"
#include "platform/tray_icons.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "support/local_http_server.h"
#include "test_support.h"
#include "update/report_lines.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTextDocument>

namespace {

const QString kFont = "<FONT SIZE=6 COLOR=RED>TORNADO: TAKE COVER</FONT>";
const QString kImage = "<IMG WIDTH=30000 HEIGHT=30000>";

// What a tip shows: Qt draws a tip that looks like markup as rich text.
QString shownTip(const QString& tip)
{
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

class TaggedTextTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        ASSERT_TRUE(server.listen());
        sites::redirectSites(server.url(""));
        // A tagged place reads its row from the page, another its readings
        // from the alternate source's file; the third one's page never comes.
        installShipped("alter1.cvd");
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", server.url("/tx.txt"), "<I>DALLAS</I>",
                                         "WACO TX", "", "Maine", server.url("/me.txt"), "<H1>PORTLAND</H1>", "[END]"});
        writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - <I>DALLAS</I>", "False", "Texas - WACO TX",
                                "False", "Maine - <H1>PORTLAND</H1>", "False", "[INTERVAL]", " 0"});
        server.route("/tx.txt",
                     HttpReply::text(("<html><pre>\r\nTXZ091-151900-\r\n"
                                      + fixedColumns({{"<I>DALLAS</I>", 15}, {"<B>SUN", 9}, {"72", 5}, {"55", 5},
                                                      {"55", 4}, {"S12G20", 9}, {"30.01R", 8}},
                                                     kFont)
                                      + "\r\n</pre></html>\r\n")
                                         .toUtf8()));
        server.route("/me.txt", HttpReply::text(""));
        const QString conditions = "WACO" + QString(13, ' ') + "50   65%   NORTH at 10    " + kImage + "\n";
        server.route("/CONDITIONS.TXT", HttpReply::text(conditions.toUtf8(), "text/plain"));
        SaveSetting("Sources", "alternateConditions", server.url("/CONDITIONS.TXT"));
        SaveSetting("Sources", "alternateObservations", server.url("/OBS/"));
        form2();
        form1().IgnoreUV->setChecked(true);
        form1().IgnoreWarnings->setChecked(true);
        form1().CheckAlternate->setChecked(true);
        program().InetTimeout = 5;
    }

    void TearDown() override
    {
        sites::redirectSites(QString());
        SandboxTest::TearDown();
    }

    LocalHttpServer server;
};

} // namespace

TEST_F(TaggedTextTest, NoLabelOrTipDrawsTheTagsOfPagesOrStationNames)
{
    Form1& main = form1();
    main.Option1_Click(0); // the small windows show Dallas
    main.RNow_Click();
    Show_UV_Index(0);
    // A buoy whose identifier and position hold tags.
    const QString buoy = "      <I>OB <B>45N<I>125W" + QString(60, ' ');
    server.route("/BuoyReportSite/wx/buoydata/curr/all.html",
                 HttpReply::text(("<PRE>\nOffshore Data at 18Z 14APR99\nReports: 1\nheading\n\n" + buoy + "\n")
                                     .toUtf8()));
    main.BouyInfo->trigger();
    form11().Command1_Click(0);

    // The tagged texts did reach the windows...
    EXPECT_EQ(main.Label9[0]->text(), kFont);
    EXPECT_EQ(main.Label3[1]->text(), kImage);
    EXPECT_EQ(weather().DewPoint->text(), kFont);
    EXPECT_EQ(form3().Label1->text(), "UV Index for <I>DALLAS</I> Is:");
    EXPECT_EQ(form11().Label1[9]->text(), "Weather Buoy (ID <I>OB)");
    EXPECT_TRUE(main.panelText(1).contains("\"<H1>PORTLAND</H1>\"")) << main.panelText(1).toStdString();

    // ...and every one shows them as they stand.
    int tagged = 0;
    for (QWidget* widget : QApplication::allWidgets()) {
        const std::string window = widget->window()->windowTitle().toStdString();
        if (auto* label = qobject_cast<QLabel*>(widget); label && Qt::mightBeRichText(label->text())) {
            ++tagged;
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << window << ": " << label->text().toStdString();
        }
        // Every tip that holds a tag comes from one of the texts above.
        const QString tip = widget->toolTip();
        if (tip.contains('<') || Qt::mightBeRichText(tip)) {
            EXPECT_TRUE(shownTip(tip).contains('<')) << window << ": " << tip.toStdString();
        }
    }
    EXPECT_GE(tagged, 12);
    EXPECT_EQ(shownTip(main.Label2[0]->toolTip()), "<I>DALLAS</I>, Texas ");
    EXPECT_EQ(shownTip(main.panel(1)->toolTip()), main.panelText(1));
    const QString digitalTip = "<B>SUN, " + kFont;
    int digitalTips = 0;
    for (QLabel* picture : wethWind().findChildren<QLabel*>())
        digitalTips += shownTip(picture->toolTip()) == digitalTip;
    EXPECT_EQ(digitalTips, 1);
}

// A tip shows its text as it stands, whatever it holds; one that Qt would
// not take for rich text is left as it is.
TEST(PlainToolTips, ShowTheirTextAsItStands)
{
    const QString untouched[] = {"", "DALLAS, Texas ", "3<4", "first line\n<B>second</B>"};
    for (const QString& text : untouched)
        EXPECT_EQ(plainToolTip(text), text);
    const QString tagged[] = {
        "<I>DALLAS</I>, Texas ",
        "<B>SUN, " + kFont,
        kImage,
        "ZÜRICH  <B>Ø</B>  two  blanks",
        "<H1>heading</H1>\nsecond line\n\nafter a blank line",
        "a &lt; b",
        "a < b and c > d",
        "You have mail at  - <B>pop.example.org</B> - &amp;",
    };
    for (const QString& text : tagged) {
        const QString tip = plainToolTip(text);
        EXPECT_TRUE(Qt::mightBeRichText(tip)) << text.toStdString();
        EXPECT_EQ(shownTip(tip).toStdString(), text.toStdString());
    }
}
