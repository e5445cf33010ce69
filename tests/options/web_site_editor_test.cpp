#include "options/web_site_editor.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/local_radar_editor.h"
#include "settings/program_state.h"
#include "settings/user_lists.h"
#include "list_editor_helpers.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <array>
#include <functional>
#include <tuple>

namespace {

class WebSiteEditor : public SandboxTest {
protected:
    QStringList fileLines() const
    {
        QStringList lines = readFile("WebSites.cvd").split("\r\n");
        EXPECT_EQ(lines.takeLast(), ""); // the last line ends like the others
        return lines;
    }

    QStringList menu() const { return menuItems(std::span(form1().mnuWebSite).first(10), "(empty)"); }
    QStringList radarMenu() const { return menuItems(form1().LocalRadar, "(blank)"); }
    QStringList names(const Form10& editor) const { return rowTexts(editor.List1[0]); }

    void add(Form10& editor, const QString& name, const QString& url)
    {
        editor.Text1[0]->setText(name);
        editor.Text1[1]->setText(url);
        editor.Command1_Click(0);
    }

    // Each editor's boxes, rows, and its Add and Save Editing buttons.
    struct Editor {
        QLineEdit* name;
        QLineEdit* value;
        QListWidget* list;
        std::function<void(int)> click;
        int save;
    };
    std::array<Editor, 2> bothEditors() const
    {
        Form10& sites = form10();
        Form9& radars = form9();
        return {{{sites.Text1[0], sites.Text1[1], sites.List1[0], [&sites](int i) { sites.Command1_Click(i); }, 1},
                 {radars.Text1[0], radars.Text1[1], radars.List1, [&radars](int i) { radars.Command1_Click(i); }, 4}}};
    }

    // Three sites A, B, C in the table and on the menu, as after start-up.
    void threeSites()
    {
        writeLines("WebSites.cvd", {"[WEB SITES]", "A", "http://127.0.0.1/a", "B", "http://127.0.0.1/b", "C",
                                    "http://127.0.0.1/c", "[END]"});
        Load_WebSites(std::span(form1().mnuWebSite).first(10));
    }
};

} // namespace

TEST_F(WebSiteEditor, OpensWithTheFilledRowsAndDeletesWithItsReselection)
{
    program().WebSiteList[1] = {"First", "http://127.0.0.1/1"};
    program().WebSiteList[4] = {"Second", "http://127.0.0.1/2"};
    Form10& editor = form10();
    EXPECT_EQ(names(editor), QStringList({"First", "Second"}));
    EXPECT_EQ(editor.Text1[1]->text(), "http://127.0.0.1/1");
    editor.close();

    // Which row is selected after deleting each row of three; with none the
    // boxes keep their text.
    struct Case {
        int deleted;
        QStringList left;
        int selected;
        QString nameBox;
    };
    const Case cases[] = {{0, {"B", "C"}, 0, "B"}, {1, {"A", "C"}, 1, "C"}, {2, {"A", "B"}, -1, "C"}};
    program().WebSiteList = {};
    threeSites();
    for (const Case& c : cases) {
        Form10& three = form10();
        three.List1[0]->setCurrentRow(c.deleted);
        three.Command1_Click(2);
        EXPECT_EQ(names(three), c.left) << c.deleted;
        EXPECT_EQ(three.List1[1]->count(), 2);
        EXPECT_EQ(three.List1[0]->currentRow(), c.selected) << c.deleted;
        EXPECT_EQ(three.Text1[0]->text(), c.nameBox) << c.deleted;
        three.close();
    }
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "Are you sure?");

    answer = MsgResult::Cancel;
    Form10& kept = form10();
    kept.Command1_Click(2);
    EXPECT_EQ(kept.List1[0]->count(), 3);
}

TEST_F(WebSiteEditor, AddAndSaveKeepTenSitesAndRefuseASiteWithoutNameOrAddress)
{
    Form10& editor = form10();
    // A named site without an address would hide itself and every later
    // site at the next start; a site without a name would have no menu item
    // and be lost with its address.
    const std::pair<QString, QString> incomplete[] = {{"No address", ""}, {"", "http://127.0.0.1/unnamed"}, {"", ""}};
    for (const auto& [name, url] : incomplete)
        add(editor, name, url);
    EXPECT_EQ(messageTexts(), QStringList(3, "You must enter some information."));
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(editor.List1[0]->count(), 0);
    messages.clear();

    for (int n = 0; n < 10; ++n)
        add(editor, QString("Site %1").arg(n), QString("http://127.0.0.1/%1").arg(n));
    EXPECT_EQ(editor.List1[0]->currentRow(), -1);
    add(editor, "Eleventh", "http://127.0.0.1/11");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Only 10 Sites allowed!");
    EXPECT_EQ(messages[0].icon, MsgIcon::None);
    EXPECT_EQ(editor.List1[1]->count(), 10);

    editor.List1[0]->setCurrentRow(3);
    for (const auto& [name, url] : incomplete) {
        editor.Text1[0]->setText(name);
        editor.Text1[1]->setText(url);
        editor.Command1_Click(1);
    }
    EXPECT_EQ(messages.size(), 4u);
    EXPECT_EQ(editor.List1[0]->item(3)->text(), "Site 3");
    EXPECT_EQ(editor.List1[1]->item(3)->text(), "http://127.0.0.1/3");
    editor.Text1[0]->setText("Edited");
    editor.Text1[1]->setText("http://127.0.0.1/edited");
    editor.Command1_Click(1);
    EXPECT_EQ(editor.List1[0]->item(3)->text(), "Edited");
    EXPECT_EQ(editor.List1[1]->item(3)->text(), "http://127.0.0.1/edited");

    editor.Command1_Click(2);
    add(editor, "Eleventh", "http://127.0.0.1/11");
    EXPECT_EQ(editor.List1[0]->item(9)->text(), "Eleventh");
    EXPECT_EQ(messages.size(), 5u);
}

TEST_F(WebSiteEditor, ExitWritesTheFileAndTheMenuWhileCancelLeavesThem)
{
    threeSites();
    const QString before = readFile("WebSites.cvd");
    for (int way = 0; way < 2; ++way) {
        Form10& editor = form10();
        editor.Command1_Click(2);
        add(editor, "D", "http://127.0.0.1/d");
        if (way == 0)
            editor.Command1_Click(3);
        else
            editor.close();
        EXPECT_FALSE(form10Loaded());
        EXPECT_EQ(readFile("WebSites.cvd"), before);
        EXPECT_EQ(menu(), QStringList({"A", "B", "C", "-", "-", "-", "-", "-", "-", "-"}));
    }

    Form10& editor = form10();
    editor.List1[0]->setCurrentRow(1);
    editor.Command1_Click(2);
    editor.Command1_Click(4);
    EXPECT_FALSE(form10Loaded());
    EXPECT_EQ(fileLines(), QStringList({"[WEB SITES]", "A", "http://127.0.0.1/a", "C", "http://127.0.0.1/c", "[END]"}));
    EXPECT_EQ(menu(), QStringList({"A", "C", "-", "-", "-", "-", "-", "-", "-", "-"}));
    const ListTable saved = program().WebSiteList;
    EXPECT_EQ(saved[1][0], "C");

    // What the editor wrote reads back as it stood.
    ListTable reread;
    readWebSites(webSitesFile(), reread);
    EXPECT_EQ(reread, saved);

    // Deleting every row leaves the header and the end.
    Form10& emptied = form10();
    while (emptied.List1[0]->count() > 0) {
        emptied.List1[0]->setCurrentRow(0);
        emptied.Command1_Click(2);
    }
    emptied.Command1_Click(4);
    EXPECT_EQ(fileLines(), QStringList({"[WEB SITES]", "[END]"}));
    EXPECT_EQ(menu(), QStringList(10, "-"));
    EXPECT_EQ(program().WebSiteList, ListTable{});
}

// Qt takes "&" in a menu caption for the mark of its access key; the names
// of web sites and local radars show as the user typed them.
TEST_F(WebSiteEditor, BothMenusShowTheNamesAsTyped)
{
    const QStringList names{"Corvane & Friends", "R&&D", "&Bold", "Plain", "Ends in &"};
    QStringList sites{"[WEB SITES]"}, radars{"[LOCAL RADAR]"};
    for (const QString& name : names) {
        sites << name << "http://127.0.0.1/site";
        radars << name << "http://127.0.0.1/radar.gif" << "NO";
    }
    writeLines("WebSites.cvd", sites << "[END]");
    writeLines("LocalRadar.cvd", radars << "[END]");
    Load_WebSites(std::span(form1().mnuWebSite).first(10));
    Load_LocalRadar(form1().LocalRadar);
    const QStringList shown = names + QStringList(5, "-");
    EXPECT_EQ(menu(), shown);
    EXPECT_EQ(radarMenu(), shown);

    // Each editor lists the names as typed, and its Exit writes and shows them so.
    Form10& siteEditor = form10();
    EXPECT_EQ(rowTexts(siteEditor.List1[0]), names);
    siteEditor.Command1_Click(4);
    Form9& radarEditor = form9();
    EXPECT_EQ(rowTexts(radarEditor.List1), names);
    radarEditor.Command1_Click(3);
    EXPECT_EQ(menu(), shown);
    EXPECT_EQ(radarMenu(), shown);
    EXPECT_EQ(readFile("WebSites.cvd").split("\r\n").mid(1, 10), sites.mid(1, 10));
    EXPECT_EQ(readFile("LocalRadar.cvd").split("\r\n").mid(1, 15), radars.mid(1, 15));
}

TEST_F(WebSiteEditor, AFileThatCannotBeWrittenSaysSoAndChangesNothing)
{
    threeSites();
    QFile::remove(path("WebSites.cvd"));
    ASSERT_TRUE(QDir().mkpath(path("WebSites.cvd/in-the-way")));
    Form10& editor = form10();
    editor.Command1_Click(2);
    editor.Command1_Click(4);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.contains("could not be saved")) << messages[1].text.toStdString();
    EXPECT_TRUE(form10Loaded());
    EXPECT_EQ(editor.List1[0]->count(), 2);
    EXPECT_EQ(menu().first(3), QStringList({"A", "B", "C"}));
    EXPECT_EQ(program().WebSiteList[0][0], "A");
}

// "[END]" would end the list at the next start, taking every later entry
// with it; a name of blanks only would give a menu item without a caption.
TEST_F(WebSiteEditor, NeitherEditorTakesANameThatItsListCannotKeep)
{
    const QString noName = "You must enter some information.";
    const QString unused = "\"(blank)\" cannot be a name: it marks an unused item of the menu.";
    // The name, and the refusal of the web-site and the radar editor.
    const std::tuple<QString, QString, QString> cases[] = {
        {"[END]", "\"[END]\" cannot be a name: it marks the end of the list.",
         "\"[END]\" cannot be a name: it marks the end of the list."},
        {" ", noName, noName}, {" \t  ", noName, noName},
        {"(blank)", "", unused}, // a radar's unused menu item
        {"[end]", "", ""}, {" [END]", "", ""}, {"[END] 2", "", ""}, // taken
    };
    for (const auto& [nameBox, valueBox, list, click, save] : bothEditors()) {
        nameBox->setText("A");
        valueBox->setText("http://127.0.0.1/a");
        click(0);
        for (const auto& [name, siteRefusal, radarRefusal] : cases) {
            const QString& refusal = list == form10().List1[0] ? siteRefusal : radarRefusal;
            messages.clear();
            QStringList rows = rowTexts(list);
            list->setCurrentRow(0);
            nameBox->setText(name);
            click(0);
            click(save);
            if (refusal.isEmpty()) {
                rows << name;   // added
                rows[0] = name; // and saved over the first row
            }
            EXPECT_EQ(messageTexts(), refusal.isEmpty() ? QStringList() : QStringList(2, refusal)) << name.toStdString();
            EXPECT_EQ(rowTexts(list), rows) << name.toStdString();
        }
    }
}

// The lists' files cannot keep a comma or a double quote (the address
// "http://host/news,page?a=1,2" would come back as another page): such a
// name or address is refused, and the box keeps what was typed or pasted.
TEST_F(WebSiteEditor, NeitherEditorTakesACommaOrAQuoteButKeepsWhatWasTyped)
{
    const QString split = " cannot hold a comma or a double quote: its file would split it there.";
    const QString refusals[] = {"The name" + split, "The address" + split + " In an address, write them as %2C and %22."};
    const QString texts[] = {"news,page?a=1,2", "say \"hi\"", ",", "\""};
    for (const auto& [nameBox, valueBox, list, click, save] : bothEditors()) {
        nameBox->setText("A");
        valueBox->setText("http://127.0.0.1/a");
        click(0);
        list->setCurrentRow(0);
        for (QLineEdit* box : {nameBox, valueBox}) {
            const QString kept = box->text();
            for (const QString& text : texts) {
                box->clear();
                for (QChar c : text.first(text.size() / 2)) {
                    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                    QApplication::sendEvent(box, &press);
                }
                QApplication::clipboard()->setText(text.sliced(text.size() / 2));
                box->paste();
                messages.clear();
                click(0);
                click(save);
                EXPECT_EQ(messageTexts(), QStringList(2, refusals[box == valueBox])) << text.toStdString();
                EXPECT_EQ(box->text(), text);
                EXPECT_EQ(rowTexts(list), QStringList{"A"}) << text.toStdString();
            }
            box->setText(kept);
        }
    }
}
