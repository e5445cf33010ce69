// An update holds at one of its waits (the UV bulletin, a station page, the
// state's alerts, an alternate page, the mail check) while the local servers
// run a user's action from inside that wait: the watch list edited in the
// options dialog, the dialog opened with an empty list from the menu or the
// tray, "Save && Refresh", the other temperature unit. The update ends as
// usual: a row is filled only from its own station's page, rows beyond the
// list as it is then are blank, its rows and log records keep the unit it
// started with, and the next update shows exactly the list's stations, in
// the unit chosen last, and finds no mail new a second time.
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/settings_store.h"
#include "platform/tray_icons.h"
#include "platform/waits.h"
#include "report_lines.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "settings/string_routines.h"
#include "support/fake_pop3_server.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>

namespace {

QByteArray roundup(std::initializer_list<const char*> places)
{
    QString page = "<pre>REGIONAL WEATHER ROUNDUP\r\nCITY           SKY/WX    TMP  DP  RH WIND     PRES    REMARKS\r\n";
    for (const char* place : places)
        page += fixedColumns({{place, 15}, {"CLOUDY", 9}, {"50", 5}, {"40", 5}, {"70", 4}, {"N10", 9}, {"30.01R", 8}})
            + "\r\n";
    return (page + "</pre>").toLatin1();
}

void openOptions() { form1().Cities_Click(); }
void openOptionsFromTheTray() { form1().PopMenu_Click(8); }
void saveAndRefresh() { form2().Command1_Click(0); }
void switchToCelsius() { form1().TempD_Click(1); }

constexpr int kNoneDeleted = -2;

// A watch-list row deleted (or all of them, row -1; or none) in the options
// dialog, then perhaps one more command, from inside the wait for `heldAt`:
// a request's path, or a command to the mailbox.
struct HeldUpdate {
    const char* name;
    QByteArray heldAt;
    int deleted;
    void (*then)();
    QString rows;        // the places of rows 0 to 2 when the held update has ended
    int logged;          // the log records it wrote: none for a station no longer in its slot
    int currentSlot;     // the current station then (each test starts on slot 2)
    QString list;        // the places of the watch list afterwards, as the next update shows them
    bool refreshFollows; // that next update starts by itself
    // Toledo, missing from its state's page, keeps in that next update the
    // row that the alternate page gave it: named as not updated, logged
    // without a report.
    bool toledoKept = false;
};

// Test names say which case failed; the captions say the rest.
void PrintTo(const HeldUpdate& update, std::ostream* out) { *out << update.name; }

const char* const kAll = "DALLAS|PORTLAND|TOLEDO";

const HeldUpdate kHeldUpdates[] = {
    {"DeleteTheStationInHand", "/alerts/active?area=OH", 2, nullptr, "DALLAS|PORTLAND|", 2, 0, "DALLAS|PORTLAND",
     false},
    {"DeleteTheStationInHandAtItsAlternatePage", "/obs/OH.OBS", 2, nullptr, "DALLAS|PORTLAND|", 2, 0,
     "DALLAS|PORTLAND", false},
    {"DeleteAStationAbove", "/alerts/active?area=OH", 0, nullptr, "DALLAS|PORTLAND|", 2, 0, "PORTLAND|TOLEDO", false},
    {"DeleteTheStationInHandWithOthersBelow", "/alerts/active?area=TX", 0, nullptr, "DALLAS||", 0, 0,
     "PORTLAND|TOLEDO", false},
    {"DeleteTheFirstWhileThePagesLoad", "/me/roundup.txt", 0, nullptr, "||", 0, 0, "PORTLAND|TOLEDO", false},
    {"DeleteAllAtTheFirstStation", "/alerts/active?area=TX", -1, nullptr, "||", 0, 0, "", false},
    {"DeleteTheLastWhileThePagesLoad", "/me/roundup.txt", 2, nullptr, "DALLAS|PORTLAND|", 2, 0, "DALLAS|PORTLAND",
     false},
    {"OptionsMenuOnAnEmptyList", "/alerts/active?area=TX", -1, openOptions, kAll, 3, 2, kAll, false, true},
    {"OptionsMenuOnAnEmptyListWhileTheUvBulletinLoads", "/uv.txt", -1, openOptions, kAll, 3, 2, kAll, false, true},
    {"TrayOptionsMenuOnAnEmptyListWhileThePagesLoad", "/me/roundup.txt", -1, openOptionsFromTheTray, kAll, 3, 2, kAll,
     false, true},
    {"OptionsMenuOnAnEmptyListDuringTheMailCheck", "STAT", -1, openOptions, kAll, 3, 2, kAll, false, true},
    {"OptionsMenuOnAnEmptyListWhileTheMailIsCounted", "UIDL", -1, openOptions, kAll, 3, 2, kAll, false, true},
    {"SwitchToCelsiusWhileTheRowsAreProcessed", "/alerts/active?area=TX", kNoneDeleted, switchToCelsius, kAll, 3, 2,
     kAll, true},
    {"SaveAndRefreshAnEmptyList", "/alerts/active?area=OH", -1, saveAndRefresh, "||", 2, 0, "", true},
    {"SaveAndRefreshWithAStationDeleted", "/alerts/active?area=OH", 0, saveAndRefresh, "||", 2, 0,
     "PORTLAND|TOLEDO", true},
};

class WaitsDuringUpdateTest : public SandboxTest, public ::testing::WithParamInterface<HeldUpdate> {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        ASSERT_TRUE(server.listen());
        ASSERT_TRUE(mail.listen());
        // Toledo is missing from its state's page and found in the state's
        // alternate page.
        serve("/tx/roundup.txt", roundup({"DALLAS", "AUSTIN"}));
        serve("/me/roundup.txt", roundup({"PORTLAND"}));
        serve("/oh/roundup.txt", roundup({}));
        serve("/obs/OH.OBS", roundup({"TOLEDO"}));
        for (const char* state : {"TX", "ME", "OH"})
            serve(QByteArray("/alerts/active?area=") + state, R"({"type": "FeatureCollection", "features": []})");
        serve("/uv.txt", "");
        serve("/conditions.txt", "");
        const std::pair<const char*, QString> local[] = {{"alertsService", server.url("")},
                                                          {"uvBulletin", server.url("/uv.txt")},
                                                          {"alternateConditions", server.url("/conditions.txt")},
                                                          {"alternateObservations", server.url("/obs/")}};
        for (const auto& [source, address] : local)
            SaveSetting("Sources", source, address);
        mail.addMailbox("walker", "secret", {"m1", "m2"});
        mail.onCommand([this](const QByteArray& command) { runHeldAction(command); });

        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", server.url("/tx/roundup.txt"), "DALLAS", "",
                                         "Maine", server.url("/me/roundup.txt"), "PORTLAND", "", "Ohio",
                                         server.url("/oh/roundup.txt"), "TOLEDO", "[END]"});
        writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - DALLAS", "True", "Maine - PORTLAND",
                                "True", "Ohio - TOLEDO", "True", "[INTERVAL]", " 0"});
        QString password = "secret";
        SaveSetting("EMail", "Site1", mail.host());
        SaveSetting("EMail", "Name1", "walker");
        SaveSetting("EMail", "Pass1", Flip_Bits(password));

        Form1& main = form1();
        main.CheckAlternate->setChecked(true);
        main.CkMail[0]->setChecked(true);
        program().InetTimeout = 5;
        // Every station is logged, also once the list is loaded afresh.
        form2().Check2->setChecked(true);
        Save_Settings();
    }

    // The page at this path, after the held action when the update waits for it.
    void serve(const QByteArray& path, const QByteArray& page)
    {
        server.route(path, [this, path, page](const HttpRequestRecord&) {
            runHeldAction(path);
            return HttpReply::text(page);
        });
    }

    void runHeldAction(const QByteArray& at)
    {
        if (!held || held->heldAt != at)
            return;
        const HeldUpdate* action = held;
        held = nullptr; // once
        Form2& options = form2();
        if (action->deleted != kNoneDeleted) {
            options.List3->setCurrentRow(action->deleted);
            options.Command1_Click(action->deleted < 0 ? 3 : 2);
        }
        if (action->then)
            action->then();
    }

    static QString rows()
    {
        QStringList captions;
        for (int row = 0; row < 3; ++row)
            captions << form1().Label2[row]->text();
        return captions.join('|');
    }

    // The rows among the first three that name a station, and the log
    // records from `first` on (`count` of them, `notRead` of those without a
    // report), all in one unit: 50 F is 10 C.
    void expectInOneUnit(const char* update, bool celsius, qsizetype first, qsizetype count,
                         qsizetype notRead = 0) const
    {
        const auto [degrees, logLine] = celsius ? std::pair{"10", "Temperature (C): 10"}
                                                : std::pair{"50", "Temperature (F): 50"};
        for (int row = 0; row < 3; ++row) {
            if (!form1().Label2[row]->text().isEmpty()) {
                EXPECT_EQ(form1().Label4[row]->text(), degrees) << update << ", row " << row;
            }
        }
        const QStringList logged = readFile("Log/CV_Log.txt").split("\r\n").filter("Temperature").mid(first);
        EXPECT_EQ(logged.size(), count) << update;
        EXPECT_EQ(logged.count(logLine), count - notRead) << update << ": a record in another unit";
        EXPECT_EQ(logged.count(QString(logLine).chopped(2)), notRead) << update;
    }

    static QString watchedPlaces()
    {
        QStringList list;
        for (int row = 0; row < form2().List3->count(); ++row)
            list << form2().List3->item(row)->text().section(" - ", 1);
        return list.join('|');
    }

    LocalHttpServer server;
    FakePop3Server mail;
    const HeldUpdate* held = nullptr; // the action still to run
};

} // namespace

TEST_P(WaitsDuringUpdateTest, TheUpdateEndsWithTheRowsOfTheListAsItIsThen)
{
    const HeldUpdate& c = GetParam();
    Form1& main = form1();
    main.Option1_Click(2);
    const QPointer<Form2> dialog = &form2();
    const bool startedInCelsius = main.TempD[1]->isChecked();
    held = &c;

    main.RNow_Click();

    ASSERT_EQ(held, nullptr) << "the update never waited there";
    ASSERT_FALSE(dialog.isNull()); // the dialog that the update holds stays
    EXPECT_EQ(main.panelText(1), "Ready.....");
    EXPECT_FALSE(program().UpdateRunning);
    EXPECT_EQ(rows(), c.rows);
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(main.Label3[row]->text().isEmpty(), main.Label2[row]->text().isEmpty()) << row;
    EXPECT_EQ(program().CurrentSlot, c.currentSlot);
    EXPECT_EQ(watchedPlaces(), c.list);
    // The held update's rows and log records keep the unit it started with,
    // whatever was chosen in its waits.
    expectInOneUnit("held update", startedInCelsius, 0, c.logged);

    const int pagesBefore = server.count("/me/roundup.txt");
    if (c.refreshFollows)
        DoEvents(); // the refresh asked for in the wait runs now, of itself
    else
        main.RNow_Click();
    // Whether the page was asked for: the network layer may send a request twice.
    EXPECT_EQ(server.count("/me/roundup.txt") > pagesBefore, !c.list.isEmpty());
    EXPECT_EQ(rows(), c.list + QString("|").repeated(2 - c.list.count('|')));
    EXPECT_EQ(main.panelText(1), c.toledoKept ? "Ready..... Not updated: \"TOLEDO\"" : "Ready.....");
    // Every row and record of that update in the unit chosen last, and each
    // message counted as new once.
    expectInOneUnit("next update", main.TempD[1]->isChecked(), c.logged, form2().List3->count(), c.toledoKept ? 1 : 0);
    EXPECT_EQ(program().MailState[0].Unread, 0);
}

INSTANTIATE_TEST_SUITE_P(ActionsInsideWaits, WaitsDuringUpdateTest, ::testing::ValuesIn(kHeldUpdates),
                         [](const ::testing::TestParamInfo<HeldUpdate>& info) { return info.param.name; });
