#include "options/local_radar_editor.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/radar_catalogue.h"
#include "platform/desktop.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "settings/user_lists.h"
#include "list_editor_helpers.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

class LocalRadarEditor : public SandboxTest {
protected:
    QStringList fileLines(const QString& name = "LocalRadar.cvd") const
    {
        return readFile(name).split("\r\n", Qt::SkipEmptyParts);
    }

    QStringList menu() const { return menuItems(form1().LocalRadar, "(blank)"); }

    void pickFromCatalogue(Form9& editor, const QString& name)
    {
        const auto found = editor.List2[2]->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        editor.List2[2]->setCurrentItem(found[0]);
    }

    void fill(Form9& editor, const QString& name, const QString& argument, int kind)
    {
        editor.Text1[0]->setText(name);
        editor.Text1[1]->setText(argument);
        editor.Option1[kind]->setChecked(true);
    }

    const QString chicago = radarPageArgument("lot");
};

} // namespace

TEST_F(LocalRadarEditor, OpensFromTheFileAndBringsTheMenuInStep)
{
    // No file: an empty list, and the catalogue is there all the same.
    Form9& empty = form9();
    EXPECT_EQ(empty.List1->count(), 0);
    EXPECT_EQ(menu(), QStringList(10, "-"));
    EXPECT_TRUE(empty.Option1[0]->isChecked());
    EXPECT_FALSE(empty.Option1[2]->isEnabled());
    EXPECT_EQ(empty.Label1[3]->text(), "Instructions:");
    EXPECT_TRUE(empty.List2[2]->isHidden());
    empty.Option2[1]->setChecked(true);
    EXPECT_EQ(empty.Label1[3]->text(), "Radar List: (202)");
    EXPECT_TRUE(empty.Text2->isHidden());
    EXPECT_FALSE(empty.List2[2]->isHidden());
    EXPECT_EQ(empty.List2[2]->item(49)->text(), "Chicago  IL");
    empty.close();
    EXPECT_FALSE(form9Loaded());

    // A long name is cut, an entry without a name keeps its item number, and
    // the editor lists only the shown names. The file's name may be in any case.
    const QString long30 = "Thirty characters of the name";
    writeLines("localradar.CVD", {"[LOCAL RADAR]", long30 + "!", "http://127.0.0.1/a.gif", "YES", "",
                                  "http://127.0.0.1/gap.gif", "NO", "Page", chicago, "NEX", "[END]"});
    form1().LocalRadar[5]->setText("Stale");
    form1().LocalRadar[5]->setVisible(true);
    Form9& editor = form9();
    EXPECT_EQ(menu(), QStringList({long30.left(26), "-", "Page", "-", "-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(rowTexts(editor.List1), QStringList({long30.left(26), "Page"}));
    EXPECT_EQ(rowTexts(editor.List2[1]), QStringList({"YES", "NEX"}));
    EXPECT_EQ(editor.List1->currentRow(), 0);
    EXPECT_EQ(editor.Text1[1]->text(), "http://127.0.0.1/a.gif");
    EXPECT_TRUE(editor.Option1[1]->isChecked());

    // The next Exit writes the cut name and closes the gap.
    editor.Command1_Click(3);
    EXPECT_FALSE(QFileInfo::exists(path("LocalRadar.cvd")));
    EXPECT_EQ(fileLines("localradar.CVD"), QStringList({"[LOCAL RADAR]", long30.left(26), "http://127.0.0.1/a.gif", "YES", "Page",
                                        chicago, "NEX", "[END]"}));
    EXPECT_EQ(menu(), QStringList({long30.left(26), "Page", "-", "-", "-", "-", "-", "-", "-", "-"}));
}

TEST_F(LocalRadarEditor, CatalogueAndTypedEntriesAreAddedWithinTheLimits)
{
    Form9& editor = form9();
    // The keyboard focus alone picks nothing: what was typed stays.
    editor.Text1[0]->setText("Typed");
    QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(editor.List2[2], &tabbedIn);
    EXPECT_EQ(editor.Text1[0]->text(), "Typed");
    pickFromCatalogue(editor, "Chicago  IL");
    EXPECT_EQ(editor.Text1[0]->text(), "Chicago  IL");
    EXPECT_EQ(editor.Text1[1]->text(), chicago);
    EXPECT_TRUE(editor.Option1[2]->isChecked());
    editor.List2_DblClick();
    editor.List2_DblClick(); // no test for doubles
    EXPECT_EQ(rowTexts(editor.List1), QStringList({"Chicago  IL", "Chicago  IL"}));
    EXPECT_EQ(editor.List1->currentRow(), -1);
    EXPECT_TRUE(messages.empty());

    fill(editor, "", "http://127.0.0.1/x.gif", 0);
    editor.Command1_Click(0);
    fill(editor, "Name only", "", 0);
    editor.Command1_Click(0);
    ASSERT_EQ(messages.size(), 2u);
    for (const MessageRequest& message : messages) {
        EXPECT_EQ(message.text, "You must enter some information.");
        EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    }
    messages.clear();

    for (int n = 2; n < 10; ++n) {
        fill(editor, QString("Typed %1").arg(n), QString("http://127.0.0.1/%1.gif").arg(n), n % 2);
        editor.Command1_Click(0);
    }
    EXPECT_EQ(editor.List2[1]->item(2)->text(), "NO");
    EXPECT_EQ(editor.List2[1]->item(3)->text(), "YES");
    ASSERT_EQ(editor.List1->count(), 10);
    EXPECT_TRUE(messages.empty());
    editor.Command1_Click(0);
    pickFromCatalogue(editor, "Alabama");
    editor.List2_DblClick();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "You can only have 10 Sites.");
    EXPECT_EQ(editor.List1->count(), 10);
}

TEST_F(LocalRadarEditor, RowsAreEditedMovedAndDeleted)
{
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", "One", "http://127.0.0.1/1.gif", "NO", "Two", chicago, "NEX",
                                  "Three", "http://127.0.0.1/3.gif", "YES", "[END]"});
    Form9& editor = form9();

    // A catalogue entry saved as "Normal" keeps its argument.
    editor.List1->setCurrentRow(1);
    EXPECT_TRUE(editor.Option1[2]->isChecked());
    editor.Option1[0]->setChecked(true);
    editor.Command1_Click(4);
    EXPECT_EQ(editor.List2[1]->item(1)->text(), "NO");
    EXPECT_EQ(editor.List2[0]->item(1)->text(), chicago);

    // Saving an empty box would hide this row and the ones after it.
    editor.Text1[1]->clear();
    editor.Command1_Click(4);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "You must enter some information.");
    EXPECT_EQ(editor.List2[0]->item(1)->text(), chicago);
    messages.clear();

    // Up on the first row and down on the last do nothing; a moved row stays selected.
    struct Move {
        int from, button;
        QStringList order;
        int selected;
    };
    const Move moves[] = {{0, 0, {"One", "Two", "Three"}, 0},
                          {2, 1, {"One", "Two", "Three"}, 2},
                          {0, 1, {"Two", "One", "Three"}, 1},
                          {2, 0, {"Two", "Three", "One"}, 1}};
    for (const Move& move : moves) {
        editor.List1->setCurrentRow(move.from);
        editor.Command3_Click(move.button);
        EXPECT_EQ(rowTexts(editor.List1), move.order);
        EXPECT_EQ(editor.List1->currentRow(), move.selected);
    }
    EXPECT_EQ(rowTexts(editor.List2[0]), QStringList({chicago, "http://127.0.0.1/3.gif", "http://127.0.0.1/1.gif"}));
    EXPECT_EQ(editor.Text1[0]->text(), "Three");

    // Delete asks first; Cancel keeps the row, OK removes it and selects the first.
    answer = MsgResult::Cancel;
    editor.Command1_Click(1);
    EXPECT_EQ(editor.List1->count(), 3);
    answer = MsgResult::Ok;
    editor.Command1_Click(1);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Are you sure?");
    EXPECT_EQ(messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(rowTexts(editor.List1), QStringList({"Two", "One"}));
    EXPECT_EQ(rowTexts(editor.List2[1]), QStringList({"NO", "NO"}));
    EXPECT_EQ(editor.List1->currentRow(), 0);
    EXPECT_EQ(editor.Text1[0]->text(), "Two");
}

TEST_F(LocalRadarEditor, ExitWritesTheListAndCancelDropsIt)
{
    Form9& editor = form9();
    for (const char* name : {"Chicago  IL", "Alabama", "United States (Animated)"}) {
        pickFromCatalogue(editor, name);
        editor.Command1_Click(0);
    }
    editor.Command1_Click(3);
    EXPECT_FALSE(form9Loaded());
    const QStringList lines = fileLines();
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(readFile("LocalRadar.cvd").count("\r\n"), 11);
    EXPECT_EQ(lines.mid(1, 3), QStringList({"Chicago  IL", chicago, "NEX"}));
    EXPECT_EQ(menu(), QStringList({"Chicago  IL", "Alabama", "United States (Animated)", "-", "-", "-", "-", "-",
                                   "-", "-"}));
    EXPECT_EQ(program().RadarList[2][1], "YES");

    // Cancel and the close box leave the file and the menu as they were.
    const QString saved = readFile("LocalRadar.cvd");
    for (int way = 0; way < 2; ++way) {
        Form9& changed = form9();
        changed.List1->setCurrentRow(0);
        changed.Command1_Click(1);
        changed.Command1_Click(0);
        if (way == 0)
            changed.Command1_Click(2);
        else
            changed.close();
        EXPECT_FALSE(form9Loaded());
        EXPECT_EQ(readFile("LocalRadar.cvd"), saved);
        EXPECT_EQ(menu().first(3), QStringList({"Chicago  IL", "Alabama", "United States (Animated)"}));
    }

    // Exit with an empty list warns; Cancel keeps the file and the editor.
    Form9& emptied = form9();
    while (emptied.List1->count() > 0) {
        emptied.List1->setCurrentRow(0);
        emptied.Command1_Click(1);
    }
    messages.clear();
    answer = MsgResult::Cancel;
    emptied.Command1_Click(3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Warning!\r\n\r\nThis action will delete any existing radars!");
    EXPECT_EQ(messages[0].title, "Delete Warning");
    EXPECT_EQ(messages[0].icon, MsgIcon::Stop);
    EXPECT_TRUE(form9Loaded());
    EXPECT_EQ(readFile("LocalRadar.cvd"), saved);
    answer = MsgResult::Ok;
    emptied.Command1_Click(3);
    EXPECT_FALSE(QFileInfo::exists(path("LocalRadar.cvd")));
    EXPECT_EQ(menu(), QStringList(10, "-"));
    EXPECT_EQ(program().RadarList, ListTable{});
    EXPECT_EQ(form9().List1->count(), 0);
}

TEST_F(LocalRadarEditor, AFileThatCannotBeWrittenOrDeletedSaysSoAndStaysWhole)
{
    // A folder in the way stands for a file that cannot be replaced or removed.
    ASSERT_TRUE(QDir().mkpath(path("LocalRadar.cvd/in-the-way")));
    Form9& editor = form9();
    pickFromCatalogue(editor, "Alabama");
    editor.Command1_Click(0);
    editor.Command1_Click(3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("could not be saved")) << messages[0].text.toStdString();
    EXPECT_TRUE(form9Loaded());
    EXPECT_EQ(editor.List1->count(), 1);

    editor.List1->setCurrentRow(0);
    editor.Command1_Click(1);
    editor.Command1_Click(3);
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_TRUE(messages[3].text.contains("could not be deleted")) << messages[3].text.toStdString();
    EXPECT_TRUE(form9Loaded());
    EXPECT_TRUE(QFileInfo::exists(path("LocalRadar.cvd/in-the-way")));
}

TEST_F(LocalRadarEditor, FindRadarsOpensTheHelpPageAndTheMenuRaisesOneEditor)
{
    QStringList opened;
    setDesktopSeam(DesktopSeam{[&](const QString& target) { opened << target; return true; }, {}});
    form1().mnuEditRadar->trigger();
    ASSERT_TRUE(form9Loaded());
    Form9* first = &form9();
    EXPECT_TRUE(first->isVisible());
    first->Text1[0]->setText("Kept");
    form1().mnuEditRadar->trigger();
    EXPECT_EQ(&form9(), first);
    EXPECT_EQ(first->Text1[0]->text(), "Kept");
    EXPECT_TRUE(modalShown.isEmpty());
    first->Command2_Click();
    clearDesktopSeam();
    EXPECT_EQ(opened, QStringList{sources::homePage() + "/cvradar.htm"});
}
