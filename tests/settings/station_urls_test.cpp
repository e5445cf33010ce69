#include "settings/station_urls.h"

#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "test_support.h"
#include "update/site_code.h"

#include <QListWidget>

namespace {

const SiteMarkers kPortal{"", "", "", "", "portal.example", "https://mirror.example/weather"};
const QStringList kStates{"Texas", "Maine", "Ohio", "Ohio", "Iowa"};
const QStringList kStateUrls{"https://roundup.example/tx/rwr.txt", "https://roundup.example/me/rwr.txt",
                             "https://portal.example/cities/OH", "https://other.example/oh.txt",
                             "https://mirror.example/weather/cities/IA"};
const QStringList kAlternates{"*Ohio", "/forecast/@_OH_US_f.html", "Toledo", "", "*Maine", "/maine.txt", "Bangor",
                              "[END]"};

SlotUrls build(const QStringList& watch, bool fahrenheit = true)
{
    return buildSlotUrls(watch, kStates, kStateUrls, kAlternates, fahrenheit, kPortal);
}

} // namespace

TEST(BuildUrls, EmptyListAndTheTenSlotLimit)
{
    const SlotUrls none = build({});
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(none.url[i].isEmpty());
        EXPECT_FALSE(none.on[i]);
    }
    QStringList eleven;
    for (int i = 0; i < 11; ++i)
        eleven << "Texas - DALLAS";
    const SlotUrls full = build(eleven);
    EXPECT_TRUE(full.on[9]);
    EXPECT_EQ(full.url[9], kStateUrls[0]);
}

TEST(BuildUrls, UnresolvedEntriesLeaveTheirSlotOff)
{
    const SlotUrls built = build({"Texas DALLAS", "texas - DALLAS", "Texas - DALLAS", "Texas  - DALLAS"});
    EXPECT_FALSE(built.on[0]); // no separator
    EXPECT_FALSE(built.on[1]); // case differs
    EXPECT_TRUE(built.on[2]);
    EXPECT_FALSE(built.on[3]); // spacing differs
    EXPECT_EQ(built.url[2], kStateUrls[0]);
}

TEST(BuildUrls, PortalPagesAreCompletedWithThePlaceAndUnit)
{
    EXPECT_EQ(build({"Ohio - Toledo"}).url[0], "https://portal.example/cities/Toledo_OH_f.html");
    EXPECT_EQ(build({"Ohio - Toledo"}, false).url[0], "https://portal.example/cities/Toledo_OH_c.html");
    // A state URL in the portal's forecast folder is a portal page too.
    EXPECT_EQ(build({"Iowa - Ames"}).url[0], "https://mirror.example/weather/cities/Ames_IA_f.html");
    // The alternate places' pages lie in the portal's forecast folder.
    EXPECT_EQ(build({"*Ohio - Martha's St. Winston-Salem Jr."}).url[0],
              "https://mirror.example/weather/forecast/Marthas_St_Winston_Salem_Jr._OH_US_f.html");
    EXPECT_EQ(build({"*Ohio - Toledo"}, false).url[0], "https://mirror.example/weather/forecast/Toledo_OH_US_c.html");
    // A template without "@" or "_f." is used as it stands, whatever the unit.
    EXPECT_EQ(build({"*Maine - Bangor"}, false).url[0], "https://mirror.example/weather/maine.txt");
}

TEST(BuildUrls, TemplatesWithoutMarkersChangeOnlyWhatTheyHold)
{
    const QStringList alternates{"*Iowa", "/forecast/fixed_f.html", "Ames", "", "*Utah", "/forecast/@.html", "Provo",
                                 "[END]"};
    SlotUrls built = buildSlotUrls({"*Iowa - Ames", "*Utah - Provo"}, {}, {}, alternates, false, kPortal);
    EXPECT_EQ(built.url[0], "https://mirror.example/weather/forecast/fixed_c.html");
    EXPECT_EQ(built.url[1], "https://mirror.example/weather/forecast/Provo.html");
}

TEST(BuildUrls, NonPortalStatesShareOnePageAndLaterEqualNamesWin)
{
    const SlotUrls built = build({"Texas - DALLAS", "Texas - AUSTIN"});
    EXPECT_EQ(built.url[0], built.url[1]);
    // "Ohio" stands twice: the portal URL stops the search at the first.
    EXPECT_EQ(build({"Ohio - Dayton"}).url[0], "https://portal.example/cities/Dayton_OH_f.html");
    const SlotUrls later = buildSlotUrls({"Iowa - AMES"}, {"Iowa", "Iowa"}, {"https://a/1", "https://a/2"}, {},
                                         true, kPortal);
    EXPECT_EQ(later.url[0], "https://a/2");
}

TEST(BuildUrls, SafePlaceRemovesOnlyTheFirstFullStop)
{
    EXPECT_EQ(urlSafePlace("St. Louis"), "St_Louis");
    EXPECT_EQ(urlSafePlace("A.B.C"), "AB.C");
    EXPECT_EQ(urlSafePlace("Coeur d'Alene"), "Coeur_dAlene");
}

TEST(BuildUrls, TableRowsWithoutAUrlGiveNoSlot)
{
    // "Maine" has no URL row, "*Iowa" is the table's last item.
    const SlotUrls built = buildSlotUrls({"Maine - BANGOR", "*Iowa - Ames", "Texas - DALLAS"}, {"Texas", "Maine"},
                                         {"https://a/tx.txt"}, {"*Iowa"}, true, kPortal);
    EXPECT_FALSE(built.on[0]);
    EXPECT_FALSE(built.on[1]);
    EXPECT_TRUE(built.url[1].isEmpty());
    EXPECT_EQ(built.url[2], "https://a/tx.txt");
}

class BuildUrlsWindows : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "[END]"}); // the options dialog needs it to load
    }
};

TEST_F(BuildUrlsWindows, ReadsTheOptionListsInTheUnitGiven)
{
    Form2& options = form2();
    options.List1->addItems({"Texas", "Ohio"});
    options.List5 = QStringList{"https://roundup.example/tx.txt", "https://www.timeanddate.com/w/OH"};
    options.List3->addItems({"Ohio - Dayton", "Texas - DALLAS", "*Ohio - Toledo"});
    program().SlotURL[5] = "https://stale.example/";
    program().SlotOn[5] = true;

    Build_URLs(/*celsius=*/true);
    EXPECT_EQ(program().SlotURL[0], "https://www.timeanddate.com/w/Dayton_OH_c.html");
    EXPECT_EQ(program().SlotURL[1], "https://roundup.example/tx.txt");
    // The built-in alternate places lie in the portal's forecast folder.
    EXPECT_EQ(program().SlotURL[2], sources::portalForecastFolder() + "/forecast/Toledo_OH_US_c.html");
    EXPECT_TRUE(program().SlotOn[0] && program().SlotOn[1]);
    EXPECT_TRUE(program().SlotURL[5].isEmpty()); // nothing of an earlier call survives
    EXPECT_FALSE(program().SlotOn[5]);
}
