// Texts chosen in the options dialog for the settings file: kept across a
// restart, or refused where they are chosen.
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "settings/program_state.h"
#include "test_support.h"
#include "watch_rows.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QListWidget>

namespace {

class ChosenTextsTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Missouri", "https://x/mo.txt", "ST. LOUIS, MO",
                                         "SAY \"HI\", MO", "", "[Test]", "https://x/t.txt", "X", "[END]"});
        writeFile("Sounds/Storm, heavy.wav", "RIFF");
        writeFile("Sounds/Say, \"hi\".wav", "RIFF");
    }

    static void choose(QListWidget* list, const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->setCurrentItem(found[0]);
    }
};

} // namespace

TEST_F(ChosenTextsTest, TextsWithACommaAreKeptAcrossARestart)
{
    Form2& options = form2();
    choose(options.List1, "Missouri");
    choose(options.List2, "ST. LOUIS, MO");
    options.Combo2->setCurrentText("Storm, heavy");
    form1().TempD[1]->setChecked(true);
    form1().TempD[0]->setChecked(false);
    options.Command1_Click(4); // "Save && No Refresh"
    EXPECT_EQ(messageTexts(), QStringList());

    releaseAllForms();
    resetProgramState();
    Form2& again = form2();
    EXPECT_EQ(watchRows(again.List3), QStringList{"Missouri - ST. LOUIS, MO"});
    EXPECT_EQ(again.Combo2->currentText(), "Storm, heavy");
    EXPECT_TRUE(form1().TempD[1]->isChecked());
    EXPECT_FALSE(form1().TempD[0]->isChecked());
}

TEST_F(ChosenTextsTest, ATextTheFileCannotHoldIsRefusedWithTheReason)
{
    Form2& options = form2();
    choose(options.List1, "[Test]");
    choose(options.List2, "X");
    choose(options.List1, "Missouri");
    choose(options.List2, "SAY \"HI\", MO");
    EXPECT_EQ(options.List3->count(), 0);
    EXPECT_EQ(messageTexts(),
              QStringList({"\"[Test] - X\" cannot be added to the watch list: in the settings file CRVN.ini an entry "
                           "that begins with \"[\" would end the watch list.",
                           "\"Missouri - SAY \"HI\", MO\" cannot be added to the watch list: the settings file "
                           "CRVN.ini cannot hold a double quote (\") in a text that begins with one or holds a comma "
                           "or a line end."}));

    // A sound is refused when the dialog is saved, which stays open for another choice.
    messages.clear();
    options.show();
    options.Combo2->setCurrentText("Say, \"hi\"");
    options.Command1_Click(4);
    EXPECT_EQ(messageTexts(), QStringList{"The Weather Alert sound \"Say, \"hi\"\" cannot be saved: the settings "
                                          "file CRVN.ini cannot hold a double quote (\") in a text that begins with "
                                          "one or holds a comma or a line end.\nThe settings saved before are "
                                          "unchanged."});
    EXPECT_TRUE(options.isVisible());
    EXPECT_FALSE(QFile::exists(path("CRVN.ini")));

    options.Combo2->setCurrentText("Storm, heavy");
    options.Command1_Click(4);
    EXPECT_FALSE(options.isVisible());
    EXPECT_TRUE(QFile::exists(path("CRVN.ini")));
}
