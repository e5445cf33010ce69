#include "mainwindow/form1.h"

#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/desktop.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTimer>

namespace {

class MenuCommandsTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
    }
};

} // namespace

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
    setDesktopSeam(DesktopSeam{[&](const QString& target) { opened << target; }, {}});
    main.ReadDocs->trigger();
    clearDesktopSeam();
    EXPECT_EQ(opened, QStringList{path("corvane.rtf")});
}
