// An update holds at one of its waits (a station page, a warnings page, the
// mail check) while the servers on 127.0.0.1 run a user's action from inside
// that wait: the watch list edited in the options dialog, the dialog opened
// with an empty list from the menu or the tray, "Save && Refresh". The
// update ends as usual, with the rows of the list as it is then, and the
// next one shows exactly the list's stations.
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/settings_store.h"
#include "platform/tray_icons.h"
#include "platform/waits.h"
#include "report_lines.h"
#include "settings/program_state.h"
#include "settings/string_routines.h"
#include "support/fake_pop3_server.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <functional>

namespace {

QByteArray roundup(std::initializer_list<const char*> places)
{
    QString page = "<pre>REGIONAL WEATHER ROUNDUP\r\nCITY           SKY/WX    TMP  DP  RH WIND     PRES    REMARKS\r\n";
    for (const char* place : places)
        page += fixedColumns({{place, 15}, {"CLOUDY", 9}, {"50", 5}, {"40", 5}, {"70", 4}, {"N10", 9}, {"30.01R", 8}})
            + "\r\n";
    return (page + "</pre>").toLatin1();
}

void deleteRow(int row)
{
    form2().List3->setCurrentRow(row);
    form2().Command1_Click(2);
}

void deleteAll()
{
    form2().Command1_Click(3);
}

struct HeldUpdate {
    const char* name;
    QByteArray heldAt; // the request (path) or "mail" (the mailbox's STAT) that runs the action
    std::function<void()> action;
    QStringList rows;  // the places of rows 0 to 2 when the held update has ended
    int currentSlot;   // the current station then (the test starts on slot 2)
    QStringList list;  // the places of the watch list afterwards, as the next update shows them
    bool refreshFollows = false; // that next update starts by itself ("Save && Refresh")
};

// Test names say which case failed; the captions say the rest.
void PrintTo(const HeldUpdate& update, std::ostream* out)
{
    *out << update.name;
}

const QStringList kAll = {"DALLAS", "PORTLAND", "TOLEDO"};

const HeldUpdate kHeldUpdates[] = {
    {"DeleteTheStationInHand", "/oh/allwarnings.html", [] { deleteRow(2); }, {"DALLAS", "PORTLAND", ""}, 0,
     {"DALLAS", "PORTLAND"}},
    {"DeleteAStationAbove", "/oh/allwarnings.html", [] { deleteRow(0); }, {"DALLAS", "PORTLAND", ""}, 0,
     {"PORTLAND", "TOLEDO"}},
    {"DeleteAllAtTheFirstStation", "/tx/allwarnings.html", deleteAll, {"", "", ""}, 0, {}},
    {"DeleteTheLastWhileThePagesLoad", "/me/rwr.txt", [] { deleteRow(2); }, {"DALLAS", "PORTLAND", ""}, 0,
     {"DALLAS", "PORTLAND"}},
    {"OptionsMenuOnAnEmptyList", "/tx/allwarnings.html",
     [] {
         deleteAll();
         form1().Cities_Click();
     },
     kAll, 2, kAll},
    {"TrayOptionsMenuOnAnEmptyListWhileThePagesLoad", "/me/rwr.txt",
     [] {
         deleteAll();
         form1().PopMenu_Click(8);
     },
     kAll, 2, kAll},
    {"SaveAndRefreshAnEmptyList", "/oh/allwarnings.html",
     [] {
         deleteAll();
         form2().Command1_Click(0);
     },
     {"", "", ""}, 0, {}, true},
    {"SaveAndRefreshWithAStationDeleted", "/oh/allwarnings.html",
     [] {
         deleteRow(0);
         form2().Command1_Click(0);
     },
     {"", "", ""}, 0, {"PORTLAND", "TOLEDO"}, true},
    {"OptionsMenuOnAnEmptyListDuringTheMailCheck", "mail",
     [] {
         deleteAll();
         form1().Cities_Click();
     },
     kAll, 2, kAll},
};

class WaitsDuringUpdateTest : public SandboxTest, public ::testing::WithParamInterface<HeldUpdate> {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        ASSERT_TRUE(server.listen());
        ASSERT_TRUE(mail.listen());
        const QByteArray quiet = "All Warnings are not currently available";
        serve("/tx/rwr.txt", roundup({"DALLAS", "AUSTIN"}));
        serve("/me/rwr.txt", roundup({"PORTLAND"}));
        serve("/oh/rwr.txt", roundup({"TOLEDO"}));
        for (const char* state : {"tx", "me", "oh"})
            serve(QByteArray("/") + state + "/allwarnings.html", quiet);
        mail.addMailbox("walker", "secret");
        mail.onCommand([this](const QByteArray& command) {
            if (command == "STAT")
                runHeldAction("mail");
        });

        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", server.url("/tx/rwr.txt"), "DALLAS", "",
                                         "Maine", server.url("/me/rwr.txt"), "PORTLAND", "", "Ohio",
                                         server.url("/oh/rwr.txt"), "TOLEDO", "[END]"});
        writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - DALLAS", "False", "Maine - PORTLAND",
                                "False", "Ohio - TOLEDO", "False", "[INTERVAL]", " 0"});
        QString password = "secret";
        SaveSetting("EMail", "Site1", mail.host());
        SaveSetting("EMail", "Name1", "walker");
        SaveSetting("EMail", "Pass1", Flip_Bits(password));

        form2();
        Form1& main = form1();
        main.IgnoreUV->setChecked(true); // the UV bulletin has no local stand-in
        main.CkMail[0]->setChecked(true);
        program().InetTimeout = 5;
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
        action->action();
        actionRan = true;
    }

    static QStringList places(int rows)
    {
        QStringList captions;
        for (int row = 0; row < rows; ++row)
            captions << form1().Label2[row]->text();
        return captions;
    }

    static QStringList watchedPlaces()
    {
        QStringList list;
        for (int row = 0; row < form2().List3->count(); ++row)
            list << form2().List3->item(row)->text().section(" - ", 1).toUpper();
        return list;
    }

    LocalHttpServer server;
    FakePop3Server mail;
    const HeldUpdate* held = nullptr;
    bool actionRan = false;
};

} // namespace

TEST_P(WaitsDuringUpdateTest, TheUpdateEndsWithTheRowsOfTheListAsItIsThen)
{
    const HeldUpdate& c = GetParam();
    Form1& main = form1();
    main.Option1_Click(2);
    const QPointer<Form2> dialog = &form2();
    held = &c;

    main.RNow_Click();

    ASSERT_TRUE(actionRan);
    ASSERT_FALSE(dialog.isNull()); // the dialog that the update holds stays
    EXPECT_EQ(main.panelText(1), "Ready.....");
    EXPECT_FALSE(program().UpdateRunning);
    EXPECT_EQ(places(3), c.rows);
    for (int row = 3; row < 10; ++row)
        EXPECT_TRUE(main.Label2[row]->text().isEmpty()) << row;
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(main.Label3[row]->text().isEmpty(), c.rows[row].isEmpty()) << row;
    EXPECT_EQ(program().CurrentSlot, c.currentSlot);
    EXPECT_EQ(watchedPlaces(), c.list);

    const int pagesBefore = server.count("/me/rwr.txt");
    if (c.refreshFollows)
        DoEvents(); // the refresh asked for in the wait runs now, of itself
    else
        main.RNow_Click();
    EXPECT_EQ(server.count("/me/rwr.txt"), pagesBefore + (c.list.isEmpty() ? 0 : 1));
    QStringList expected = c.list;
    while (expected.size() < 3)
        expected << "";
    EXPECT_EQ(places(3), expected);
    EXPECT_EQ(main.panelText(1), "Ready.....");
}

INSTANTIATE_TEST_SUITE_P(ActionsInsideWaits, WaitsDuringUpdateTest, ::testing::ValuesIn(kHeldUpdates),
                         [](const ::testing::TestParamInfo<HeldUpdate>& info) { return info.param.name; });
