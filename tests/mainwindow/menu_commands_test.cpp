#include "mainwindow/form1.h"

#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/desktop.h"
#include "settings/program_state.h"
#include "support/failing_writes.h"
#include "test_support.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <utility>

namespace {

class MenuCommandsTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
    }
};

// A menu's items in order, a submenu's items indented under it; marks in
// brackets: "[x]" checked, "[ ]" checkable but unchecked, "[hidden]" not
// visible, "[off]" visible but disabled.
QStringList describe(const QMenu* menu, const QString& indent = QString())
{
    QStringList items;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            items << indent + "-";
            continue;
        }
        QString line = indent + item->text();
        if (item->isCheckable())
            line += item->isChecked() ? " [x]" : " [ ]";
        if (!item->isVisible())
            line += " [hidden]";
        else if (!item->isEnabled())
            line += " [off]";
        items << line;
        if (item->menu())
            items << describe(item->menu(), indent + "  ");
    }
    return items;
}

} // namespace

TEST_F(MenuCommandsTest, TheMenuTreeAsDesigned)
{
    Form1& main = form1();
    QStringList bar;
    for (const QAction* item : main.menuBar()->actions())
        bar << item->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Maps && Pictures", "&Pilot Weather", "&Tropical Storms",
                                "&Local Radar", "&Web Sites", "&Help"}));
    EXPECT_EQ(describe(main.FileSelect),
              (QStringList{"&Alerts", "  &Visual [x]", "  &Sound [x]", "  Ignore &Warnings [ ]", "  Ignore &UV [ ]",
                           "Check &E-Mail", "  &Auto [ ]", "  &Now",
                           "A&nimation", "  &Anemometer [x]", "  &Sun Shine [ ]",
                           "Scrolling &Display [ ] [off]", "Always On &Top [x]", "&Check Alternate Site [ ]",
                           "On Start-&Up", "  &Mini-Weather [ ]", "  &All-Weather [x]", "  &Digital-Weather [ ]",
                           "&Temperature Display", "  &Fahrenheit [x]", "  &Celsius [ ]",
                           "-", "Corvane &Options", "-",
                           "&Refresh", "  &Now", "  &Auto [x]", "  &Manual [ ]",
                           "-", "&Save Settings", "Sa&ve && Exit", "E&xit"}));
    QStringList maps = describe(main.Maps).filter(QRegularExpression("^\\S"));
    EXPECT_EQ(maps, (QStringList{"The Sky", "-", "Web Cam Pictures", "-", "GOES Satellites",
                                 "METEOSAT (Europe, Africa, India)", "Satellite Composites", "-",
                                 "Forecast && Satellite", "-", "Radar", "Earthwatch \u00a9",
                                 "The Weather Channel \u00a9", "Unisys \u00a9", "Weather Bank \u00a9",
                                 "Plymouth State", "Polar Weather", "Composite Satellite Maps", "Jet Stream",
                                 "Ocean Maps && Buoys", "Fire Maps", "Allergy Maps", "-", "Volcano Watch",
                                 "Earthquake Maps"}));
    QStringList web = describe(main.mnuWeb);
    EXPECT_EQ(web.size(), 11);
    EXPECT_EQ(web.first(), "(empty) [hidden]");
    EXPECT_EQ(web.last(), "Web Site Editor");
    QStringList radar = describe(main.NUsed99);
    EXPECT_EQ(radar.first(), "(blank) [hidden]");
    EXPECT_EQ(radar.last(), "&Edit Local Radar");
    EXPECT_EQ(describe(main.HelpMe).mid(13),
              (QStringList{"-", "Check System &Time", "&Verify Current Version", "&Latest Corvane News",
                           "&Today In History", "-", "Read &Docs", "-", "&About"}));
}

TEST_F(MenuCommandsTest, ExitKeepsTheSavedSettingsAndSaveAndExitSavesFirst)
{
    Form1& main = form1();
    form2();
    main.SaveS->trigger();
    const QString saved = readFile("CRVN.ini");
    main.Visual->trigger();
    main.Exit->trigger();
    EXPECT_EQ(main.Unloading, -1);
    EXPECT_EQ(readFile("CRVN.ini"), saved);

    // Settings that cannot be written keep the program open.
    main.Unloading = 0;
    main.Closing = 0;
    {
        const FailingWrites full;
        main.SaveExit->trigger();
    }
    EXPECT_EQ(main.Unloading, 0);
    EXPECT_EQ(messages.size(), 1u);
    main.SaveExit->trigger();
    EXPECT_EQ(main.Unloading, -1);
    EXPECT_NE(readFile("CRVN.ini"), saved);
}

TEST_F(MenuCommandsTest, RefreshItemsSwapTheModeWhicheverIsClicked)
{
    Form1& main = form1();
    main.Auto->trigger(); // Auto was checked: now manual
    EXPECT_FALSE(main.Auto->isChecked());
    EXPECT_TRUE(main.Manual->isChecked());
    main.Manual->trigger(); // Manual was checked: back to automatic
    EXPECT_TRUE(main.Auto->isChecked());
    EXPECT_FALSE(main.Manual->isChecked());
}

TEST_F(MenuCommandsTest, StartUpChoicesAreOneOfThreeAndTogglesToggle)
{
    Form1& main = form1();
    main.DigWeat->trigger();
    EXPECT_TRUE(main.DigWeat->isChecked());
    EXPECT_FALSE(main.AllWeat->isChecked());
    main.DigWeat->trigger(); // clicking the checked one keeps it checked
    EXPECT_TRUE(main.DigWeat->isChecked());
    const bool visual = main.Visual->isChecked();
    main.Visual->trigger();
    EXPECT_NE(main.Visual->isChecked(), visual);
}

TEST_F(MenuCommandsTest, AnimationChoiceSetsTheKindAndTheStep)
{
    Form1& main = form1();
    form2().Combo3->setCurrentIndex(2);
    main.TheAnimation[1]->trigger();
    EXPECT_EQ(program().AnimKind, 1);
    EXPECT_EQ(weather().Timer1->interval(), 125);
    EXPECT_FALSE(main.TheAnimation[0]->isChecked());
    form2().Combo3->setCurrentIndex(-1);
    main.TheAnimation[0]->trigger(); // no speed chosen: the step stays
    EXPECT_EQ(program().AnimKind, 0);
    EXPECT_EQ(weather().Timer1->interval(), 125);
}

TEST_F(MenuCommandsTest, WebCameraProgramIsStartedWithItsCategoryOrReportedMissing)
{
    Form1& main = form1();
    QStringList started;
    setDesktopSeam(DesktopSeam{{}, [&](const QString& program, const QStringList& arguments) {
                                   started << program + " " + arguments.join(' ');
                                   return true;
                               }});
    main.TheWebCamsList[2]->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Vistrel File Error");
    EXPECT_EQ(messages[0].text, "The Web Camera EXE file is missing!\r\nCheck your installation.");
    EXPECT_FALSE(main.TheWebCamsList[2]->isChecked());

    writeFile("Vistrel", "#!/bin/sh\n");
    QFile::setPermissions(path("Vistrel"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    main.TheWebCamsList[2]->trigger();
    main.TheWebCamsList_Click(6); // no such category: nothing happens
    clearDesktopSeam();
    EXPECT_EQ(started, QStringList{path("Vistrel") + " 2"});
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(main.TheWebCamsList[2]->isChecked());
    EXPECT_FALSE(main.TheWebCamsList[0]->isChecked());
}

TEST_F(MenuCommandsTest, SaveSettingsWritesTheFileAndReadDocsOpensTheDocumentation)
{
    Form1& main = form1();
    form2();
    main.SaveS->trigger();
    EXPECT_TRUE(QFile::exists(path("CRVN.ini")));
    QStringList opened;
    setDesktopSeam(DesktopSeam{[&](const QString& target) { opened << target; return true; }, {}});
    main.ReadDocs->trigger();
    clearDesktopSeam();
    EXPECT_EQ(opened, QStringList{path("corvane.rtf")});
}

TEST_F(MenuCommandsTest, WhatTheDesktopHasNoProgramForIsSaidInAMessage)
{
    Form1& main = form1();
    program().WebSiteList[0][1] = QStringLiteral("https://storms.example/");
    bool desktopOpens = false;
    setDesktopSeam(DesktopSeam{[&](const QString&) { return desktopOpens; }, {}});
    const std::pair<std::function<void()>, QString> choices[] = {
        {[&] { main.ReadDocs->trigger(); }, path("corvane.rtf")},
        {[&] { main.mnuWebSite_Click(0); }, "https://storms.example/"},
    };
    for (const auto& [choose, target] : choices) {
        for (const bool opens : {false, true}) {
            desktopOpens = opens;
            messages.clear();
            choose();
            const QString refusal = target + "\r\ncould not be opened: the desktop has no program for it.";
            EXPECT_EQ(messageTexts(), opens ? QStringList() : QStringList{refusal}) << target.toStdString();
        }
    }
    clearDesktopSeam();
}
