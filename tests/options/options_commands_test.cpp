#include "options/options_commands.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/window_layout.h"
#include "options/options_dialog.h"
#include "platform/settings_store.h"
#include "platform/tray_icons.h"
#include "platform/twips.h"
#include "platform/color_values.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "support/local_http_server.h"
#include "test_support.h"
#include "watch_rows.h"
#include "update/report_lines.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <functional>

namespace {

class OptionsCommandsTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        installShipped("States_Cities.cvd");
    }
    QString internet(const char* key) { return GetSetting("Internet", key, "(missing)"); }
};

} // namespace

TEST(SaveRules, TimeFloorsAndTheMainWindowHeight)
{
    struct Floor { const char* text; double minimum; const char* replacement; const char* expected; };
    for (const Floor& f : {Floor{"5", 10, "30", "30"}, Floor{"abc", 10, "30", "30"}, Floor{"", 10, "30", "30"},
                           Floor{"10", 10, "30", "10"}, Floor{"45s", 10, "30", "45s"}, Floor{"0", 1, "3", "3"},
                           Floor{"0.5", 1, "3", "3"}, Floor{"1", 1, "3", "1"}})
        EXPECT_EQ(withFloor(f.text, f.minimum, f.replacement), f.expected) << f.text;

    struct Layout { int entries; bool ticker; int height; int tickerTop; };
    for (const Layout& l : {Layout{0, false, 1605, 0}, Layout{1, false, 1605, 0}, Layout{2, false, 1965, 0},
                            Layout{12, false, 4845, 0}, Layout{1, true, 1935, 620 / 15},
                            Layout{12, true, 5175, (5175 - 1315) / 15}}) {
        const MainWindowLayout layout = mainWindowLayout(l.entries, l.ticker);
        EXPECT_EQ(layout.height, l.height) << l.entries;
        EXPECT_EQ(layout.tickerShown, l.ticker);
        EXPECT_EQ(layout.tickerTop, l.tickerTop) << l.entries;
    }
}

TEST_F(OptionsCommandsTest, SaveWithoutRefreshStoresTheSettingsAndKeepsTheReadings)
{
    Form2& options = form2();
    Form1& main = form1();
    main.Label3[0]->setText("SUNNY");
    setBackColor(main.S_Warning[0], kRed);
    program().AutoDialOn = false;
    for (int i = 0; i < 12; ++i)
        addWatchEntry(options.List3, QString("Texas - PLACE%1").arg(i), i == 0);
    options.Text7->setText("abc");
    options.Text6->setText("0.5");
    options.Check6->setChecked(false);
    options.Check8->setChecked(false);
    options.Check1[0]->setChecked(true);
    options.Text5->setText("Home");
    options.Option4[1]->setChecked(true);
    options.Slider1->setValue(45);
    options.Option5[2]->setChecked(true);
    options.Check7->setChecked(true);
    options.Combo1->setCurrentIndex(9);
    options.Command1[4]->setEnabled(false);
    options.show();

    options.Command1_Click(4);
    EXPECT_FALSE(options.isVisible());
    EXPECT_TRUE(options.Command1[4]->isEnabled());
    EXPECT_EQ(options.Text7->text(), "30");
    EXPECT_EQ(options.Text6->text(), "3");
    const QStringList stored{internet("Internet Time Out"), internet("Pause Time"), internet("KeepLast"),
                             internet("WarnBlink"), internet("AutoOff"), internet("Dialup Name"),
                             internet("Connection"), internet("Time Out"),
                             GetSetting("Settings", "PopUp", "?"), GetSetting("Settings", "VerifyVersion", "?")};
    EXPECT_EQ(stored, QStringList({"30", "3", "0", "0", "1", "Home", "1", "45", "2", "1"}));
    const ProgramState& state = program();
    EXPECT_EQ(state.KeepLastOn, 0);
    EXPECT_EQ(state.PopUpIndex, 2);
    EXPECT_EQ(state.VerifyVersionOn, 1);
    EXPECT_EQ(state.UpdateInterval, 1);
    EXPECT_EQ(state.InetTimeout, 30); // takes effect at the next Cancel or start
    EXPECT_FALSE(state.AutoDialOn);
    EXPECT_EQ(main.Label3[0]->text(), "SUNNY");
    EXPECT_EQ(backColor(main.S_Warning[0]), kRed);

    // Twelve entries: ten are saved and shown, the dialog keeps all twelve.
    const QString file = readFile("CRVN.ini");
    EXPECT_TRUE(file.contains("Texas - PLACE0\r\nTrue\r\n"));
    EXPECT_TRUE(file.contains("Texas - PLACE9\r\n"));
    EXPECT_FALSE(file.contains("PLACE10"));
    EXPECT_EQ(options.List3->count(), 12);
    EXPECT_FALSE(main.Label2[9]->isHidden());
    const int tenRows = main.height();

    // Values above the floors stay as typed; no pop-up choice leaves it be.
    options.Text7->setText("10");
    options.Text6->setText("1");
    options.Option5[2]->setAutoExclusive(false);
    options.Option5[2]->setChecked(false);
    options.Combo1->setCurrentIndex(-1);
    for (int i = 11; i > 0; --i)
        delete options.List3->takeItem(i);
    options.Command1_Click(4);
    EXPECT_EQ(internet("Internet Time Out"), "10");
    EXPECT_EQ(internet("Pause Time"), "1");
    EXPECT_EQ(state.PopUpIndex, 2);
    EXPECT_EQ(state.UpdateInterval, 1);
    EXPECT_TRUE(main.Label2[1]->isHidden());
    EXPECT_LT(main.height(), tenRows);

    // A minimised main window keeps its size but shows the new row.
    main.showMinimized();
    const QSize minimised = main.size();
    addWatchEntry(options.List3, "Texas - WACO", false);
    options.Command1_Click(4);
    EXPECT_EQ(main.size(), minimised);
    EXPECT_FALSE(main.Label2[1]->isHidden());
}

TEST_F(OptionsCommandsTest, CancelPutsTheSavedSettingsBack)
{
    Form2& options = form2();
    // Never saved: the connection values come back as their defaults.
    options.Text6->setText("9");
    options.Check8->setChecked(false);
    options.Slider1->setValue(50);
    options.Option4[1]->setChecked(true);
    options.Text5->setText("Home");
    options.Command1_Click(1);
    EXPECT_EQ(options.Text6->text(), "3");
    EXPECT_EQ(options.Text7->text(), "30");
    EXPECT_TRUE(options.Check8->isChecked());
    EXPECT_TRUE(options.Check6->isChecked());
    EXPECT_FALSE(options.Check1[0]->isChecked());
    EXPECT_EQ(options.Slider1->value(), 30);
    EXPECT_TRUE(options.Option4[0]->isChecked());
    EXPECT_EQ(options.Text5->text(), "");

    addWatchEntry(options.List3, "Texas - WACO", true);
    addWatchEntry(options.List3, "Texas - AUSTIN", false);
    options.Text7->setText("45");
    options.Command1_Click(4);

    options.Command1_Click(3);
    addWatchEntry(options.List3, "Maine - PORTLAND", false);
    options.Text7->setText("5"); // no floor on Cancel: the stored text comes back
    options.Check7->setChecked(true);
    options.Command1_Click(1);
    EXPECT_EQ(watchRows(options.List3), QStringList({"Texas - WACO [x]", "Texas - AUSTIN"}));
    EXPECT_TRUE(options.Command1[4]->isEnabled());
    EXPECT_EQ(options.Text7->text(), "45");
    EXPECT_EQ(program().InetTimeout, 45);
    EXPECT_FALSE(options.Check7->isChecked());
}

// Cancel, the close box and Escape leave nothing of what was abandoned in
// the dialog's controls, so no later save can store it.
TEST_F(OptionsCommandsTest, LeavingWithoutSavingPutsEveryControlBack)
{
    Form2& options = form2();
    addWatchEntry(options.List3, "Texas - WACO", false);
    options.Option5[1]->setChecked(true);
    options.Text2->setText("75001");
    options.Command1_Click(4);
    options.ProxyUser->setText("alice");
    options.ProxyPassword->setText("secret");
    options.Command9_Click();
    for (int i = 0; i < 3; ++i)
        options.Text3[i]->setText(QStringList{"pop.example.org", "bob", "pw"}[i]);
    options.Command5_Click();
    messages.clear();

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Cancel", [&] { options.Command1[1]->click(); }},
        {"close box", [&] { options.close(); }},
        {"Escape", [&] { QApplication::sendEvent(&options, &escape); }},
    };
    for (const auto& [way, leave] : ways) {
        options.show();
        options.Option5[3]->setChecked(true);
        options.Text2->setText("99999");
        options.ProxyUser->setText("mallory");
        options.ProxyPassword->setText("guess");
        options.Option2[1]->setChecked(true);
        options.Text3[0]->setText("other.example.org");
        options.Text4->setText("HAIL");
        options.Option3[5]->setChecked(true);
        leave();
        EXPECT_FALSE(options.isVisible()) << way;
        const QStringList shown{options.Text2->text(), options.ProxyUser->text(), options.ProxyPassword->text(),
                                options.Text3[0]->text(), options.Text3[1]->text(), options.Text4->text()};
        EXPECT_EQ(shown, QStringList({"75001", "alice", "secret", "pop.example.org", "bob", "SUNNY"})) << way;
        EXPECT_TRUE(options.Option5[1]->isChecked() && options.Option2[0]->isChecked() && options.Option3[0]->isChecked())
            << way;
        EXPECT_EQ(program().IconCategorySel, 0) << way;
        EXPECT_EQ(watchRows(options.List3), QStringList{"Texas - WACO"}) << way;
    }
    // Saved again, the settings are those saved before.
    options.Command1_Click(4);
    EXPECT_EQ(GetSetting("Settings", "PopUp", "?"), "1");
    EXPECT_EQ(program().PopUpIndex, 1);
    EXPECT_TRUE(readFile("CRVN.ini").contains("75001"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(OptionsCommandsTest, ListSeparatorsAreRefusedAndAFileSplitByOneStillLoads)
{
    Form2& options = form2();
    QApplication::clipboard()->setText("a,\"b");
    for (QLineEdit* box : {options.Text1[0], options.Text1[1], options.Text2, options.Text5}) {
        box->clear();
        QKeyEvent comma(QEvent::KeyPress, 0, Qt::NoModifier, ",");
        QApplication::sendEvent(box, &comma);
        box->paste();
        EXPECT_EQ(box->text().toLower(), "ab") << box->objectName().toStdString();
    }

    // A settings file written before, with a comma in the proxy server: the
    // later fields are read shifted, but the program starts.
    addWatchEntry(options.List3, "Texas - WACO", false);
    options.Text1[0]->setText("proxy,corp");
    options.Text2->setText("75\"067");
    ASSERT_TRUE(Save_Settings());
    writeFile("CRVN.ini", readFile("CRVN.ini").replace("\"proxy,corp\"", "proxy,corp")); // unquoted, as before
    Form2& reloaded = form2();
    reloaded.loadAfresh();
    EXPECT_EQ(watchRows(reloaded.List3), QStringList{"Texas - WACO"});
    EXPECT_EQ(reloaded.Text1[0]->text(), "proxy");
}

TEST_F(OptionsCommandsTest, ANewUserBuildsAWatchListAndSeesTheFirstUpdate)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    const QString dallas = fixedColumns({{"DALLAS", 15}, {"PTCLDY", 9}, {"72", 5}, {"55", 5}, {"55", 4},
                                         {"S12G20", 9}, {"30.01R", 8}}, "HAZE");
    server.route("/tx.txt", HttpReply::text("<pre>REGIONAL WEATHER ROUNDUP\r\n" + dallas.toLatin1() + "\r\n</pre>"));
    writeLines("States_Cities.cvd", {"[US States/Cities]", "Maine", server.url("/me.txt"), "PORTLAND", "",
                                     "Texas", server.url("/tx.txt"), "WACO", "DALLAS", "[END]"});
    Form1& main = form1();
    // The UV bulletin and the warnings pages live on the Internet.
    main.IgnoreUV->setChecked(true);
    main.IgnoreWarnings->setChecked(true);

    DialogSeam seam;
    seam.message = [this](const MessageRequest& request) {
        messages.push_back(request);
        return answer;
    };
    seam.endProgram = [](int code) { throw ProgramEnded{code}; };
    seam.modal = [&](QDialog& dialog) {
        auto& options = dynamic_cast<Form2&>(dialog);
        EXPECT_EQ(options.List3->count(), 0);
        options.show();
        options.List1->setCurrentRow(1);
        options.List2->setCurrentRow(0); // DALLAS
        EXPECT_EQ(watchRows(options.List3), QStringList{"Texas - DALLAS"});
        EXPECT_FALSE(options.Command1[4]->isEnabled());
        options.Command1[0]->click();
        return 0;
    };
    setDialogSeam(seam);

    ASSERT_TRUE(main.Form_Load());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_GE(server.count("/tx.txt"), 1);
    EXPECT_EQ(main.Label2[0]->text(), "DALLAS");
    EXPECT_EQ(main.Label4[0]->text(), "72");
    EXPECT_EQ(main.panelText(1), "Ready.....");
    EXPECT_FALSE(main.Label2[1]->isVisible());
    EXPECT_GE(main.height(), twipsToPixels(1605));
    EXPECT_TRUE(readFile("CRVN.ini").contains("\r\nTexas - DALLAS\r\nFalse\r\n[INTERVAL]\r\n"));
}
