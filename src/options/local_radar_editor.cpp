#include "options/local_radar_editor.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/list_rows.h"
#include "options/radar_catalogue.h"
#include "platform/desktop.h"
#include "platform/menu_captions.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "platform/user_dialogs.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "settings/user_lists.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPointer<Form9> theForm9;

const QString kBlank = QStringLiteral("(blank)");

const char* const kInstructions =
    "To change a radar site, click its name in the list of current sites, change its name, "
    "its URL address or the kind of image, and press \"Save Editing\".\n\n"
    "To remove a radar site, click its name in the list and press \"Delete Site\".\n\n"
    "To add a radar site, type a name for it and paste the full URL address of the picture, "
    "as you copied it from your web browser. If the picture moves when your browser shows it, "
    "choose \"Animated Gif\"; otherwise choose \"Normal\". Then press \"Add Site\".\n\n"
    "The list holds up to 10 radar sites. \"Exit\" saves the list and closes this window; "
    "\"Cancel\" or the window's close box closes it without saving anything.\n\n"
    "To pick from over 190 radar sites around the country, choose \"Radar List\", click a "
    "location and then press \"Add Site\".";

} // namespace

Form9& form9()
{
    if (!theForm9) {
        theForm9 = new Form9();
        theForm9->Form_Load();
    }
    return *theForm9;
}

bool form9Loaded()
{
    return !theForm9.isNull();
}

void discardForm9()
{
    delete theForm9.data();
    theForm9 = nullptr;
}

Form9::Form9(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Weather Radar Editor"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1[0] = new QLabel(QStringLiteral("Current Radar Sites:"), this);
    Label1[1] = new QLabel(QStringLiteral("Name of Radar Site"), this);
    Label1[2] = new QLabel(QStringLiteral("URL Address For Image:"), this);
    Label1[3] = new QLabel(QStringLiteral("Instructions:"), this);
    List1 = new QListWidget(this);
    for (auto& list : List2) {
        list = new QListWidget(this);
        list->hide();
    }
    for (const RadarEntry& entry : radarCatalogue())
        List2[3]->addItems({entry.name, entry.argument, entry.kind});

    Command3[0] = new QPushButton(this);
    Command3[0]->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command3[0]->setToolTip(QStringLiteral("Move Selection Up In List"));
    Command3[0]->setAccessibleName(QStringLiteral("Up"));
    Command3[1] = new QPushButton(this);
    Command3[1]->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Command3[1]->setToolTip(QStringLiteral("Move Selection Down In List"));
    Command3[1]->setAccessibleName(QStringLiteral("Down"));

    Text2 = new QPlainTextEdit(QString::fromUtf8(kInstructions), this);
    Text2->setReadOnly(true);
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Option2[0] = new QRadioButton(QStringLiteral("Instructions"), this);
    Option2[1] = new QRadioButton(QStringLiteral("Radar List"), this);
    Command2 = new QPushButton(QStringLiteral("Find Radars"), this);

    Text1[0] = new QLineEdit(this);
    Text1[0]->setMaxLength(ListNameLimit);
    Text1[1] = new QLineEdit(this);
    Frame1 = new QGroupBox(QStringLiteral("The Image Is:"), this);
    Option1[0] = new QRadioButton(QStringLiteral("Normal"), Frame1);
    Option1[1] = new QRadioButton(QStringLiteral("Animated Gif"), Frame1);
    Option1[2] = new QRadioButton(QStringLiteral("Special"), Frame1);
    Option1[2]->setEnabled(false);
    Option1[0]->setChecked(true);
    auto* kinds = new QHBoxLayout(Frame1);
    for (QRadioButton* kind : Option1)
        kinds->addWidget(kind);

    const QStringList captions{"Add Site", "Delete Site", "Cancel", "Exit", "Save Editing"};
    for (int i = 0; i < 5; ++i) {
        Command1[i] = new QPushButton(captions[i], this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(List1, 1, 0);
    auto* moves = new QHBoxLayout;
    moves->addWidget(Command3[0]);
    moves->addWidget(Command3[1]);
    moves->addStretch();
    grid->addLayout(moves, 2, 0);
    grid->addWidget(Label1[3], 0, 1);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(List2[2], 1, 1);
    auto* pane = new QHBoxLayout;
    pane->addWidget(Option2[0]);
    pane->addWidget(Option2[1]);
    pane->addStretch();
    pane->addWidget(Command2);
    grid->addLayout(pane, 2, 1);
    auto* name = new QVBoxLayout;
    name->addStretch();
    name->addWidget(Label1[1]);
    name->addWidget(Text1[0]);
    grid->addLayout(name, 3, 0);
    grid->addWidget(Frame1, 3, 1);
    grid->addWidget(Label1[2], 4, 0, 1, 2);
    grid->addWidget(Text1[1], 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    for (int i : {0, 1, 4, 2, 3})
        buttons->addWidget(Command1[i]);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);

    onRowChosen(List1, [this] { List1_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option2_Click(i);
        });
    }
    onRowChosen(List2[2], [this] { List2_Click(); });
    connect(List2[2], &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);

    setFixedSize(sizeHint().expandedTo(QSize(twipsToPixels(6615), twipsToPixels(4380))));
}

void Form9::closeEvent(QCloseEvent* event)
{
    if (theForm9 == this)
        theForm9 = nullptr;
    QWidget::closeEvent(event);
}

void Form9::Form_Load()
{
    List1->clear();
    List2[0]->clear();
    List2[1]->clear();
    centreOnScreen(this);
    resetMenu();
    Form1& main = form1();
    Load_LocalRadar(main.LocalRadar);
    for (int i = 0; i < ListEntryLimit; ++i) {
        const QString caption = plainCaption(main.LocalRadar[i]);
        if (caption == kBlank || caption.isEmpty())
            continue;
        List1->addItem(caption);
        List2[0]->addItem(program().RadarList[i][0]);
        List2[1]->addItem(program().RadarList[i][1]);
    }
    if (List1->count() > 0)
        selectRow(0);

    List2[2]->clear();
    for (int i = 0; i < List2[3]->count(); i += 3)
        List2[2]->addItem(List2[3]->item(i)->text());
    Option2[0]->setChecked(true);
    Option2_Click(0);
}

void Form9::resetMenu()
{
    for (QAction* item : form1().LocalRadar) {
        item->setText(kBlank);
        item->setVisible(false);
    }
}

void Form9::selectRow(int row)
{
    selectListRow(List1, row);
    List1_Click();
}

void Form9::List1_Click()
{
    const int row = List1->currentRow();
    if (row < 0)
        return;
    Text1[0]->setText(List1->item(row)->text());
    Text1[1]->setText(List2[0]->item(row)->text());
    showKind(List2[1]->item(row)->text());
}

// Anything but the two kinds a user can choose is a catalogue page lookup.
void Form9::showKind(const QString& kind)
{
    if (kind == QLatin1String("NO"))
        Option1[0]->setChecked(true);
    else if (kind == QLatin1String("YES"))
        Option1[1]->setChecked(true);
    else
        Option1[2]->setChecked(true);
}

QString Form9::chosenKind() const
{
    if (Option1[0]->isChecked())
        return QStringLiteral("NO");
    if (Option1[1]->isChecked())
        return QStringLiteral("YES");
    return QStringLiteral("NEX");
}

// An entry the list cannot keep is refused with a message saying why. A
// radar named as an unused menu item would be left out of the editor's list
// when it next opens, and so out of the file it writes.
bool Form9::entryRefused() const
{
    QString refusal = listEntryRefusal(Text1[0]->text(), Text1[1]->text());
    if (refusal.isEmpty() && Text1[0]->text() == kBlank)
        refusal = QStringLiteral("\"%1\" cannot be a name: it marks an unused item of the menu.").arg(kBlank);
    if (refusal.isEmpty())
        return false;
    MsgBox(refusal, MsgButtons::Ok, MsgIcon::Exclamation);
    return true;
}

void Form9::Command1_Click(int Index)
{
    switch (Index) {
    case 0: addSite(); break;
    case 1: deleteSite(); break;
    case 2: close(); break;
    case 3: exitSaving(); break;
    case 4: saveEditing(); break;
    default: break;
    }
}

void Form9::addSite()
{
    if (List1->count() > ListEntryLimit - 1) {
        MsgBox(QStringLiteral("You can only have 10 Sites."), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (entryRefused())
        return;
    List1->addItem(Text1[0]->text());
    List2[0]->addItem(Text1[1]->text());
    List2[1]->addItem(chosenKind());
}

void Form9::deleteSite()
{
    const int row = List1->currentRow();
    if (row < 0)
        return;
    if (MsgBox(QStringLiteral("Are you sure?"), MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgResult::Cancel)
        return;
    removeListRow({List1, List2[0], List2[1]}, row);
    if (List1->count() > 0)
        selectRow(0);
}

// An empty name or argument would hide this row and every later one the
// next time the list is read.
void Form9::saveEditing()
{
    const int row = List1->currentRow();
    if (row < 0 || entryRefused())
        return;
    List1->item(row)->setText(Text1[0]->text());
    List2[0]->item(row)->setText(Text1[1]->text());
    List2[1]->item(row)->setText(chosenKind());
    selectRow(row);
}

void Form9::Command3_Click(int Index)
{
    const int row = List1->currentRow();
    const int to = Index == 0 ? row - 1 : row + 1;
    if (row < 0 || to < 0 || to >= List1->count() || Index < 0 || Index > 1)
        return;
    for (QListWidget* list : {List1, List2[0], List2[1]})
        swapListRows(list, row, to);
    selectRow(to);
}

void Form9::Option2_Click(int Index)
{
    const bool catalogue = Index == 1;
    Label1[3]->setText(catalogue ? QStringLiteral("Radar List: (%1)").arg(List2[2]->count())
                                 : QStringLiteral("Instructions:"));
    Text2->setVisible(!catalogue);
    List2[2]->setVisible(catalogue);
}

void Form9::List2_Click()
{
    const QListWidgetItem* chosen = List2[2]->currentItem();
    if (!chosen)
        return;
    const QString name = chosen->text();
    for (int i = 0; i + 2 < List2[3]->count(); i += 3) {
        if (List2[3]->item(i)->text() != name)
            continue;
        Text1[0]->setText(name);
        Text1[1]->setText(List2[3]->item(i + 1)->text());
        showKind(List2[3]->item(i + 2)->text());
    }
}

void Form9::List2_DblClick()
{
    addSite();
}

void Form9::Command2_Click()
{
    openWithDefaultProgram(sources::homePage() + QStringLiteral("/cvradar.htm"));
}

// Writes the list (or deletes the file of an empty one), brings the menu in
// step with it and closes. When the file cannot be written or deleted the
// old one stays as it was and the editor stays open with its rows.
void Form9::exitSaving()
{
    const QString file = localRadarFile();
    QString error;
    if (List1->count() > 0) {
        std::vector<RadarEntry> entries;
        for (int row = 0; row < List1->count(); ++row)
            entries.push_back({List1->item(row)->text(), List2[0]->item(row)->text(), List2[1]->item(row)->text()});
        if (!writeLocalRadar(file, entries, &error)) {
            MsgBox(QStringLiteral("Your radar list could not be saved to %1 (%2).\n"
                                  "The list saved before is unchanged.")
                       .arg(QDir::toNativeSeparators(file), error),
                   MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
    } else {
        if (MsgBox(QStringLiteral("Warning!\r\n\r\nThis action will delete any existing radars!"),
                   MsgButtons::OkCancel, MsgIcon::Stop, QStringLiteral("Delete Warning"))
            == MsgResult::Cancel)
            return;
        QFile old(file);
        if (QFileInfo::exists(file) && !old.remove()) {
            MsgBox(QStringLiteral("Your radar list %1 could not be deleted (%2).\n"
                                  "It is unchanged.")
                       .arg(QDir::toNativeSeparators(file), old.errorString()),
                   MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
    }
    List1->clear();
    List2[0]->clear();
    List2[1]->clear();
    resetMenu();
    Load_LocalRadar(form1().LocalRadar);
    close();
}
