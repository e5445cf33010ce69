#include "options/web_site_editor.h"

#include "mainwindow/form1.h"
#include "options/list_rows.h"
#include "mainwindow/forms.h"
#include "platform/menu_captions.h"
#include "platform/screen.h"
#include "platform/user_dialogs.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "settings/user_lists.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace {

QPointer<Form10> theForm10;

const char* const kInstructions =
    "To edit a site, click on a name in the list.  Make changes in the site name text box and/or the URL "
    "Address text box.  Press \"Save Editing\" button when finished.  To add a site, type in a site name "
    "and a URL address, press the \"Add Site\" button.  To delete a site, click on a name in the list, then "
    "press the \"Delete Site\" button.  To Save, press the \"Exit\" button.  Pressing the \"X\" or the "
    "\"Cancel\" button does not save anything but exits this window.";

} // namespace

Form10& form10()
{
    if (!theForm10) {
        theForm10 = new Form10();
        theForm10->Form_Load();
    }
    return *theForm10;
}

bool form10Loaded()
{
    return !theForm10.isNull();
}

void discardForm10()
{
    delete theForm10.data();
    theForm10 = nullptr;
}

Form10::Form10(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Web Site Editor"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1[0] = new QLabel(QStringLiteral("Web Site List"), this);
    Label1[1] = new QLabel(QStringLiteral("Site Name:"), this);
    Label1[2] = new QLabel(QStringLiteral("URL Address:"), this);
    Label2 = new QLabel(QString::fromUtf8(kInstructions), this);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    for (auto& list : List1)
        list = new QListWidget(this);
    List1[1]->hide();
    for (auto& box : Text1)
        box = new QLineEdit(this);
    Text1[0]->setMaxLength(ListNameLimit);
    const QStringList captions{"Add Site", "Save Editing", "Delete Site", "Cancel", "Exit"};
    for (int i = 0; i < 5; ++i) {
        Command1[i] = new QPushButton(captions[i], this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(List1[0], 1, 0);
    grid->addWidget(Label2, 1, 1);
    grid->addWidget(Label1[1], 2, 0, 1, 2);
    grid->addWidget(Text1[0], 3, 0, 1, 2);
    grid->addWidget(Label1[2], 4, 0, 1, 2);
    grid->addWidget(Text1[1], 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : Command1)
        buttons->addWidget(button);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    Label2->setMinimumWidth(260);

    onRowChosen(List1[0], [this] { List1_Click(); });
    setFixedSize(sizeHint().expandedTo(QSize(520, 360)));
}

void Form10::closeEvent(QCloseEvent* event)
{
    if (theForm10 == this)
        theForm10 = nullptr;
    QWidget::closeEvent(event);
}

void Form10::Form_Load()
{
    List1[0]->clear();
    List1[1]->clear();
    centreOnScreen(this);
    for (const auto& [name, url] : program().WebSiteList) {
        if (name.isEmpty())
            continue;
        List1[0]->addItem(name);
        List1[1]->addItem(url);
    }
    if (List1[0]->count() > 0)
        selectRow(0);
}

void Form10::selectRow(int row)
{
    selectListRow(List1[0], row);
    List1_Click();
}

void Form10::List1_Click()
{
    const int row = List1[0]->currentRow();
    if (row < 0)
        return;
    Text1[0]->setText(List1[0]->item(row)->text());
    Text1[1]->setText(List1[1]->item(row)->text());
}

// A site needs both boxes filled: a named site without an address would end
// the list the next time it is read (it and every site after it would be
// gone from the menu), and a site without a name has no menu item and would
// be dropped with its address. Nor may its name end the list.
bool Form10::siteRefused() const
{
    const QString refusal = listEntryRefusal(Text1[0]->text(), Text1[1]->text());
    if (refusal.isEmpty())
        return false;
    MsgBox(refusal, MsgButtons::Ok, MsgIcon::Exclamation);
    return true;
}

void Form10::Command1_Click(int Index)
{
    switch (Index) {
    case 0: addSite(); break;
    case 1: saveEditing(); break;
    case 2: deleteSite(); break;
    case 3: close(); break;
    case 4: exitSaving(); break;
    default: break;
    }
}

void Form10::addSite()
{
    if (List1[0]->count() >= ListEntryLimit) {
        MsgBox(QStringLiteral("Only 10 Sites allowed!"));
        return;
    }
    if (siteRefused())
        return;
    List1[0]->addItem(Text1[0]->text());
    List1[1]->addItem(Text1[1]->text());
}

void Form10::saveEditing()
{
    const int row = List1[0]->currentRow();
    if (row < 0 || siteRefused())
        return;
    List1[0]->item(row)->setText(Text1[0]->text());
    List1[1]->item(row)->setText(Text1[1]->text());
}

// After a deletion the row that took the deleted one's place is selected;
// deleting the last row leaves none selected, deleting the first of several
// selects the new first row.
void Form10::deleteSite()
{
    const int row = List1[0]->currentRow();
    if (row < 0)
        return;
    if (MsgBox(QStringLiteral("Are you sure?"), MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgResult::Cancel)
        return;
    removeListRow({List1[1], List1[0]}, row);
    const int left = List1[0]->count();
    selectRow(row >= left - 1 ? (row < left ? row : -1) : 0);
}

// Writes the file first: when it cannot be written the old file, the menu and
// the table stay as they were and the editor stays open with its rows.
void Form10::exitSaving()
{
    std::vector<WebSiteEntry> sites;
    for (int row = 0; row < List1[0]->count(); ++row)
        sites.push_back({List1[0]->item(row)->text(), List1[1]->item(row)->text()});
    const QString file = webSitesFile();
    QString error;
    if (!writeWebSites(file, sites, &error)) {
        MsgBox(QStringLiteral("Your web sites could not be saved to %1 (%2).\n"
                              "The list saved before is unchanged.")
                   .arg(QDir::toNativeSeparators(file), error),
               MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    Form1& main = form1();
    ListTable& table = program().WebSiteList;
    for (int i = 0; i < ListEntryLimit; ++i) {
        const WebSiteEntry site = i < static_cast<int>(sites.size()) ? sites[i] : WebSiteEntry{};
        table[i] = {site.name, site.url};
        setPlainCaption(main.mnuWebSite[i], site.name.isEmpty() ? QStringLiteral("(empty)") : site.name);
        main.mnuWebSite[i]->setVisible(!site.name.isEmpty());
    }
    DoEvents();
    close();
}
