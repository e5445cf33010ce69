#include "pages/buoy_window.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/buoy_listing.h"
#include "pages/buoy_page.h"
#include "pages/buoy_stations.h"
#include "pages/info_windows.h"
#include "pages/pages_test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

// A report line: six characters before the ID, then the fixed columns.
QString reportLine(const QString& id, const QString& columns)
{
    return QStringLiteral("      ") + id.leftJustified(6) + columns;
}

// Position, position, temperature, dew point, direction, speed, pressure,
// water temperature, wave height.
const QString kColumns = QStringLiteral(" 45.1N") + "-125.3W" + "12.5" + "  9.8 " + "  45" + "12.3 kts       "
    + "1016.2      " + " 11.8" + "  2.1";
const QString kCalm = QStringLiteral("  0.0N") + "   0.0W" + " 0.0" + " MM   " + " 400" + QString(15, ' ')
    + QString(12, ' ') + "  0.0" + "  MM ";

QString buoyPage(int announced)
{
    return QStringLiteral("<HTML><PRE>\nOffshore Data at 18Z 14APR99\nReports: %1\nheading\n\n").arg(announced)
        + reportLine("46041", kColumns) + "\n" + reportLine("91S", kCalm) + "\n"
        + reportLine("OBS12", kColumns) + "\n" + reportLine("X", "short") + "\n</PRE></HTML>\n";
}

const QByteArray kPagePath = "/BuoyReportSite/wx/buoydata/curr/all.html";

TEST(BuoyPage, CompassWordsUnitsAndColumns)
{
    const std::pair<const char*, const char*> directions[] = {
        {"   0", "N"}, {"  45", "NE"}, {"  90", "E"}, {" 135", "SE"}, {" 180", "S"}, {" 200", "SW"},
        {" 270", "W"}, {" 300", "NW"}, {" 360", "N"}, {" 400", ""},  {"    ", "N"}, {" -10", ""},
    };
    for (const auto& [degrees, word] : directions)
        EXPECT_EQ(compassWord(degrees), word) << degrees;

    const auto fields = buoyFields(reportLine("46041", kColumns).mid(6));
    EXPECT_EQ(fields, (std::array<QString, 8>{" 45.1N", "-125.3W", "12.5 C", "  9.8 C", "NE 12.3 kts",
                                              "1016.2  MB", " 11.8 C", "  2.1 M"}));
    // Zero, letters and blanks are shown as they stand, without units.
    const auto calm = buoyFields(reportLine("91S", kCalm).mid(6));
    EXPECT_EQ(calm[2], " 0.0");
    EXPECT_EQ(calm[3], " MM  ");
    EXPECT_EQ(calm[4], " " + QString(8, ' ')); // 400 degrees has no compass word
    EXPECT_EQ(calm[7], "  MM ");
}

TEST(BuoyPage, HeaderSearchAndIds)
{
    const QString page = buoyPage(3);
    EXPECT_EQ(announcedReports(page), "3");
    EXPECT_EQ(announcedReports("Reports:   42 \n"), "42");
    EXPECT_FALSE(announcedReports("Reports: 42"));
    const std::optional<ReportTime> time = reportTime(page);
    ASSERT_TRUE(time);
    EXPECT_EQ(time->time, "18:00 Z ");
    EXPECT_EQ(time->date, "14APR99");

    const QStringList list{"Alki Point, WA (ID 91S)", "Central Olympic Coast, WA (ID 46041)",
                           "Observatory (ID OBS1)"};
    EXPECT_EQ(findEntry(list, "COAST", 0), 1);
    EXPECT_EQ(findEntry(list, "o", 2), 2);
    EXPECT_EQ(findEntry(list, "alki", 1), -1);
    EXPECT_EQ(entryId("Weather Buoy (ID 91S)"), "91S");
    EXPECT_FALSE(entryId("no id here"));
}

TEST(BuoyStations, ThreeHundredNamesInAlphabeticalOrder)
{
    const QStringList& names = builtInBuoyNames();
    ASSERT_EQ(names.size(), 300);
    int fiveCharacterIds = 0;
    for (int i = 0; i < names.size(); ++i) {
        const std::optional<QString> id = entryId(names[i]);
        ASSERT_TRUE(id) << names[i].toStdString();
        EXPECT_TRUE(id->size() == 5 || id->size() == 3) << names[i].toStdString();
        fiveCharacterIds += id->size() == 5;
        if (i > 0) {
            EXPECT_LT(names[i - 1].compare(names[i], Qt::CaseInsensitive), 0) << names[i].toStdString();
        }
    }
    EXPECT_EQ(fiveCharacterIds, 202);
    EXPECT_EQ(names.first(), "451/2 buoy (ID 64043)");
    EXPECT_EQ(names.last(), "Zuma Beach, CA (ID 0L3)");
    for (const char* row : {"Alexandria Bay, NY (ID ABAN6)", "Alki Point, WA (ID 91S)", "Buzzard's Bay,MA (ID BUZM3)",
                            "Gray's Reef National Marine Sanctuary buoy (ID 41008)"})
        EXPECT_TRUE(names.contains(row)) << row;
}

class BuoyWindowTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        form1().BouyInfo->trigger();
    }
    Form11& window() { return form11(); }
    QStringList entries()
    {
        QStringList texts;
        for (int row = 0; row < window().List1->count(); ++row)
            texts << window().List1->item(row)->text();
        return texts;
    }
    void search(const QString& text)
    {
        window().Text1->setText(text);
        window().Text1_KeyPress(13);
    }
};

} // namespace

TEST_F(BuoyWindowTest, FetchesSavesListsAndShowsTheStations)
{
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().List1->count(), 0);
    EXPECT_EQ(window().BuoyNames.size(), 300);

    // An empty page says so and changes nothing else.
    server.setFallback(HttpReply::text(""));
    window().Command1_Click(0);
    EXPECT_EQ(window().Label2->text(), "Not Available");
    EXPECT_FALSE(QFile::exists(path("Buoy/BuoyData.cvd")));

    const QByteArray page = buoyPage(3).toLatin1();
    server.route(kPagePath, HttpReply::text(page, "text/html"));
    window().Command1_Click(0);
    EXPECT_EQ(window().Label2->text(), "Ready ....");
    EXPECT_TRUE(window().Command1[0]->isEnabled());
    QFile saved(path("Buoy/BuoyData.cvd"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), page + "\r\n");
    EXPECT_EQ(window().Label1[19]->text(), "3");
    EXPECT_EQ(window().Label1[21]->text(), "18:00 Z ");
    EXPECT_EQ(window().Label1[22]->text(), "14APR99");
    EXPECT_EQ(window().Label1[24]->text(), "2");
    EXPECT_EQ(entries(), (QStringList{"Alki Point, WA (ID 91S)", "Central Olympic Coast, WA (ID 46041)",
                                      "Weather Buoy (ID OBS12)"}));
    // The first station is shown at once.
    EXPECT_EQ(window().Label1[9]->text(), "Alki Point, WA (ID 91S)");
    EXPECT_EQ(window().Label1[10]->text(), "  0.0N");

    // A station no longer on the page shows N/A.
    window().List1->addItem("Gone (ID ZZZZZ)");
    window().List1->setCurrentRow(3);
    EXPECT_EQ(window().Label1[9]->text(), "Gone (ID ZZZZZ)");
    EXPECT_EQ(window().Label1[17]->text(), "N/A");
}

TEST_F(BuoyWindowTest, SearchesWithEnterAndNext)
{
    search("bay");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Nothing to do!");
    EXPECT_EQ(messages[0].title, "Buoy Search");

    server.route(kPagePath, HttpReply::text(buoyPage(3).toLatin1()));
    window().Command1_Click(0);
    search("wa (");
    EXPECT_EQ(window().List1->currentRow(), 0);
    EXPECT_TRUE(window().Command1[2]->isEnabled());
    window().Command1_Click(2);
    EXPECT_EQ(window().List1->currentRow(), 1);
    EXPECT_TRUE(window().Command1[2]->isEnabled());
    window().Command1_Click(2); // no wrap-around
    EXPECT_EQ(messages.back().text, "Nothing Found!");
    EXPECT_FALSE(window().Command1[2]->isEnabled());
    EXPECT_EQ(window().List1->currentRow(), 1);

    search("wa (");
    EXPECT_EQ(window().List1->currentRow(), 0); // a new Enter starts from the top
    window().List1->setCurrentRow(2);            // choosing by hand ends the search
    EXPECT_FALSE(window().Command1[2]->isEnabled());
    search("nowhere");
    EXPECT_FALSE(window().Command1[2]->isEnabled());
    EXPECT_EQ(window().List1->currentRow(), 2);
    search("wa (");
    window().Text1->clear();
    EXPECT_FALSE(window().Command1[2]->isEnabled());

    // Clicks alternate between selecting the whole text and placing the caret.
    window().Text1->setText("bay");
    window().Text1_Click();
    EXPECT_EQ(window().Text1->selectedText(), "bay");
    window().Text1_Click();
    EXPECT_FALSE(window().TextSelected);
}

TEST_F(BuoyWindowTest, EveryLineEndIsCutCleanly)
{
    // The wave height, the line's last field, is one character short of its column.
    const QString page = "<PRE>\nOffshore Data at 18Z 14APR99\nReports: 1\nheading\n\n"
        + reportLine("46041", kColumns.chopped(2)) + "\n</PRE>\n";
    for (const char* lineEnd : {"\n", "\r\n"}) {
        server.route(kPagePath, HttpReply::text(QString(page).replace("\n", lineEnd).toLatin1()));
        window().Command1_Click(0);
        ASSERT_EQ(window().Label2->text(), "Ready ....") << lineEnd;
        ASSERT_EQ(window().List1->currentRow(), 0) << lineEnd;
        EXPECT_EQ(window().Label1[9]->text(), "Central Olympic Coast, WA (ID 46041)") << lineEnd;
        EXPECT_EQ(window().Label1[16]->text(), " 11.8 C") << lineEnd;
        EXPECT_EQ(window().Label1[17]->text(), "  2 M") << lineEnd;
    }
}

TEST_F(BuoyWindowTest, EventsRunWhileALargePageIsProcessedAndMayCloseTheWindow)
{
    // Enough report lines for several pieces of work.
    const int lines = 3 * BuoyListing::kPiece;
    QString page = QStringLiteral("<PRE>\nOffshore Data at 18Z 14APR99\nReports: %1\nheading\n\n").arg(lines);
    for (int i = 0; i < lines; ++i)
        page += reportLine(QString::number(i, 36), kColumns) + "\r\n";
    server.route(kPagePath, HttpReply::text(page.toLatin1()));

    struct HandlerCase {
        const char* name;
        std::function<void(Form11&)> handler;
        bool windowStays;
    };
    const HandlerCase cases[] = {
        {"no handler", [](Form11&) {}, true},
        {"Get Data pressed again", [](Form11& w) { w.Command1_Click(0); }, true},
        {"the window closed", [](Form11& w) { w.close(); }, false},
        {"the window deleted", [](Form11& w) { delete &w; }, false},
    };
    for (const HandlerCase& c : cases) {
        form1().BouyInfo->trigger();
        const QPointer<Form11> shown(&form11());
        int passes = 0; // event passes seen while the page is processed
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (shown && shown->Label2->text() == "Processing ...." && ++passes == 2)
                c.handler(*shown);
        });
        watch.start();
        shown->Command1_Click(0);
        watch.stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The first pass comes when the status is shown; later ones while the list is built.
        EXPECT_GE(passes, 2) << c.name;
        ASSERT_EQ(!shown.isNull(), c.windowStays) << c.name;
        if (c.windowStays) {
            EXPECT_EQ(shown->Label2->text(), "Ready ....") << c.name;
            EXPECT_EQ(shown->List1->count(), lines) << c.name;
            EXPECT_TRUE(shown->Command1[0]->isEnabled()) << c.name;
        }
    }
    // The program stands: the window opens again and lists the page.
    form1().BouyInfo->trigger();
    window().Command1_Click(0);
    EXPECT_EQ(window().Label2->text(), "Ready ....");
    EXPECT_EQ(window().List1->count(), lines);
}
