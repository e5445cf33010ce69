// Texts chosen in the options dialog that the settings file cannot hold are
// refused where they are chosen.
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "test_support.h"
#include "watch_rows.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>

class ChosenTextsTest : public SandboxTest {};

TEST_F(ChosenTextsTest, ATextTheFileCannotHoldIsRefusedWithTheReason)
{
    TrayIcons::instance().simulate(true);
    writeLines("States_Cities.cvd", {"[US States/Cities]", "[Test]", "https://x/t.txt", "X", "", "Missouri",
                                     "https://x/mo.txt", "SAY \"HI\", MO", "ST. LOUIS, MO", "[END]"});
    writeFile("Sounds/Storm, heavy.wav", "RIFF");
    writeFile("Sounds/Say, \"hi\".wav", "RIFF");
    Form2& options = form2();
    options.List2->setCurrentRow(0); // X of [Test]
    options.List1->setCurrentRow(1);
    options.List2->setCurrentRow(0); // SAY "HI", MO
    EXPECT_EQ(options.List3->count(), 0);
    EXPECT_EQ(messageTexts(),
              QStringList({"\"[Test] - X\" cannot be added to the watch list: in the settings file CRVN.ini an entry "
                           "that begins with \"[\" would end the watch list.",
                           "\"Missouri - SAY \"HI\", MO\" cannot be added to the watch list: the settings file "
                           "CRVN.ini cannot hold a double quote (\") in a text that begins with one or holds a comma "
                           "or a line end."}));

    // "Add All" leaves out what the file cannot hold, saying so once.
    messages.clear();
    options.Command2_Click();
    EXPECT_EQ(watchRows(options.List3), QStringList{"Missouri - ST. LOUIS, MO"});
    EXPECT_EQ(messages.size(), 1u);

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
