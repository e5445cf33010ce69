#include "pages/buoy_window.h"

#include "options/list_rows.h"
#include "pages/buoy_listing.h"
#include "pages/buoy_page.h"
#include "pages/buoy_stations.h"
#include "platform/file_writes.h"
#include "platform/inet_control.h"
#include "platform/number_formats.h"
#include "platform/plain_text.h"
#include "platform/program_folder.h"
#include "platform/screen.h"
#include "platform/user_dialogs.h"
#include "platform/waits.h"
#include "settings/connection.h"
#include "settings/source_addresses.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

const QString kSearchTitle = QStringLiteral("Buoy Search");

// A moored buoy with its light, riding on waves.
QPixmap buoyPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(QColor(200, 225, 245));
    QPainter paint(&picture);
    paint.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    paint.setPen(QPen(Qt::black, 1.5 * s));
    paint.setBrush(QColor(230, 70, 40));
    QPainterPath hull;
    hull.moveTo(18 * s, 44 * s);
    hull.lineTo(46 * s, 44 * s);
    hull.lineTo(40 * s, 52 * s);
    hull.lineTo(24 * s, 52 * s);
    hull.closeSubpath();
    paint.drawPath(hull);
    paint.setBrush(QColor(250, 200, 40));
    paint.drawRect(QRectF(27 * s, 20 * s, 10 * s, 24 * s));
    paint.drawLine(QPointF(32 * s, 20 * s), QPointF(32 * s, 12 * s));
    paint.setBrush(Qt::white);
    paint.drawEllipse(QPointF(32 * s, 10 * s), 3 * s, 3 * s);
    paint.setBrush(QColor(30, 90, 170));
    paint.setPen(Qt::NoPen);
    QPainterPath sea;
    sea.moveTo(0, 50 * s);
    for (int x = 0; x <= 64; x += 16) {
        sea.quadTo((x + 4) * s, 46 * s, (x + 8) * s, 50 * s);
        sea.quadTo((x + 12) * s, 54 * s, (x + 16) * s, 50 * s);
    }
    sea.lineTo(size, size);
    sea.lineTo(0, size);
    sea.closeSubpath();
    paint.drawPath(sea);
    return picture;
}

QString buoyPageAddress()
{
    return sites::BuoyReportSite() + QStringLiteral("/wx/buoydata/curr/all.html");
}

QString buoyCopyPath()
{
    return programPath(QStringLiteral("Buoy/BuoyData.cvd"));
}

// The page as received, followed by CR LF, replacing the last one; false,
// with the reason in *error, when the copy could not be written.
bool saveBuoyPage(const QByteArray& received, QString* error)
{
    return writeFileSafely(buoyCopyPath(), received + "\r\n", error);
}

} // namespace

Form11::Form11(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Current Buoy Observations"));
    const QStringList captions{"Station:", "Longitude:", "Latitude:", "Temperature:", "Dew Point:",
                               "Wind:", "Pressure:", "Water Temp:", "Wave Height:"};
    for (auto& label : Label1)
        label = plainLabel(this);
    for (int i = 0; i < 9; ++i) {
        Label1[i]->setText(captions[i]);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label1[9 + i]->setMinimumWidth(170);
        Label1[9 + i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    Label1[18]->setText(QStringLiteral("Number Of Reports:"));
    Label1[20]->setText(QStringLiteral("Time Of Report:"));
    Label1[23]->setText(QStringLiteral("Date Of Report:"));
    Label1[25]->setText(QStringLiteral("Recognized Buoys:"));
    Label1[26]->setText(QStringLiteral("Find:"));
    for (int value : {19, 21, 22, 24}) {
        Label1[value]->setMinimumWidth(80);
        Label1[value]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }

    List1 = new QListWidget(this);
    List1->setMinimumSize(360, 320);
    List1->setUniformItemSizes(true); // one line of text each: a long list lays out at once
    for (const QString& name : builtInBuoyNames())
        List1->addItem(name);
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    Text1 = new QLineEdit(this);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    const QStringList buttons{"Get Data", "Exit", "Next"};
    for (int i = 0; i < 3; ++i) {
        Command1[i] = new QPushButton(buttons[i], this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Command1[2]->setEnabled(false);
    Label2 = plainLabel(this);
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1 = new QLabel(this);
    Image1->setPixmap(buoyPicture(64));
    Inet1 = new InetControl(this);

    auto* find = new QHBoxLayout;
    find->addWidget(Label1[26]);
    find->addWidget(Text1, 1);
    find->addWidget(Command1[2]);
    auto* left = new QVBoxLayout;
    left->addWidget(List1, 1);
    left->addLayout(find);

    auto* header = new QGridLayout;
    header->addWidget(Image1, 0, 0, 4, 1);
    const std::array<std::pair<int, int>, 4> headerRows{{{18, 19}, {20, 21}, {23, 22}, {25, 24}}};
    for (int row = 0; row < 4; ++row) {
        header->addWidget(Label1[headerRows[row].first], row, 1, Qt::AlignRight);
        header->addWidget(Label1[headerRows[row].second], row, 2);
    }
    auto* fields = new QGridLayout;
    for (int i = 0; i < 9; ++i) {
        fields->addWidget(Label1[i], i, 0);
        fields->addWidget(Label1[9 + i], i, 1);
    }
    auto* commands = new QHBoxLayout;
    commands->addWidget(Command1[0]);
    commands->addWidget(Command1[1]);
    auto* right = new QVBoxLayout;
    right->addLayout(header);
    right->addSpacing(8);
    right->addLayout(fields);
    right->addStretch();
    right->addWidget(Label2);
    right->addLayout(commands);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    adjustSize();
}

void Form11::Form_Load()
{
    QDir().mkpath(programPath(QStringLiteral("Buoy")));
    centreOnScreen(this);
    BuoyNames = rowTexts(List1);
    List1->clear();
}

void Form11::Command1_Click(int Index)
{
    switch (Index) {
    case 0:
        Get_Buoy_Data();
        break;
    case 1:
        close();
        break;
    case 2: {
        const int selected = List1->currentRow();
        if (selected < 0)
            return;
        const int row = findEntry(rowTexts(List1), Text1->text(), selected + 1);
        if (row < 0) {
            Command1[2]->setEnabled(false);
            MsgBox(QStringLiteral("Nothing Found!"), MsgButtons::Ok, MsgIcon::Exclamation, kSearchTitle);
            return;
        }
        selectEntry(row);
        Command1[2]->setEnabled(true);
        break;
    }
    default:
        break;
    }
}

void Form11::Get_Buoy_Data()
{
    // "Get Data" stays disabled for the whole fetch: it never runs twice at once.
    if (!Command1[0]->isEnabled())
        return;
    const QPointer<Form11> alive(this);
    Command1[0]->setEnabled(false);
    Label2->setText(QStringLiteral("Request Sent ...."));
    // An error page is no buoy page: the list and the saved copy stay as they are.
    const QByteArray received = fetchBytesOrEmpty(*Inet1, buoyPageAddress());
    if (!alive)
        return;
    if (received.isEmpty()) {
        Label2->setText(QStringLiteral("Not Available"));
        Command1[0]->setEnabled(true);
        return;
    }
    BuoyPage = decodePageText(received, QString());
    Label2->setText(QStringLiteral("Data Recovered ...."));
    DoEvents();
    if (!alive)
        return;
    QString copyError;
    const bool copied = saveBuoyPage(received, &copyError);
    if (const std::optional<QString> reports = announcedReports(BuoyPage))
        Label1[19]->setText(*reports);
    if (const std::optional<ReportTime> time = reportTime(BuoyPage)) {
        Label1[21]->setText(time->time);
        Label1[22]->setText(time->date);
    }
    Label2->setText(QStringLiteral("Processing ...."));
    DoEvents();
    if (!alive || !List_Buoys())
        return;
    Label2->setText(QStringLiteral("Ready ...."));
    Command1[0]->setEnabled(true);
    if (!copied)
        MsgBox(QStringLiteral("The copy of the buoy page could not be saved to %1 (%2).")
                   .arg(QDir::toNativeSeparators(buoyCopyPath()), copyError),
               MsgButtons::Ok, MsgIcon::Exclamation);
}

bool Form11::List_Buoys()
{
    const QPointer<Form11> alive(this);
    {
        const QSignalBlocker quiet(List1);
        List1->clear();
    }
    const double announced = leadingNumber(Label1[19]->text());
    const int count = static_cast<int>(std::clamp(std::floor(announced), 0.0, 1e9));
    // The listing keeps its own copy of the page and the names.
    BuoyListing listing(BuoyPage, count, BuoyNames);
    while (listing.advance()) {
        DoEvents();
        if (!alive)
            return false;
    }
    const QStringList& listed = listing.entries();
    for (qsizetype from = 0; from < listed.size(); from += BuoyListing::kPiece) {
        {
            const QSignalBlocker quiet(List1);
            List1->addItems(listed.mid(from, BuoyListing::kPiece));
        }
        DoEvents();
        if (!alive)
            return false;
    }
    Label1[24]->setText(QString::number(listing.named()));
    if (List1->count() > 0)
        selectEntry(0);
    return true;
}

void Form11::selectEntry(int row)
{
    {
        const QSignalBlocker quiet(List1);
        List1->setCurrentRow(row);
    }
    List1_Click();
}

void Form11::List1_Click()
{
    Command1[2]->setEnabled(false);
    const QListWidgetItem* selected = List1->currentItem();
    if (List1->count() == 0 || !selected)
        return;
    Label1[9]->setText(selected->text());
    if (BuoyPage.isEmpty()) {
        showFields(QStringLiteral("N/A"));
        return;
    }
    const std::optional<QString> id = entryId(selected->text());
    if (!id)
        return;
    const std::optional<QString> record = buoyRecord(BuoyPage, *id);
    if (!record) {
        showFields(QStringLiteral("N/A"));
        return;
    }
    const std::array<QString, 8> values = buoyFields(*record);
    for (int i = 0; i < 8; ++i)
        Label1[10 + i]->setText(values[i]);
}

void Form11::showFields(const QString& text)
{
    for (int i = 10; i <= 17; ++i)
        Label1[i]->setText(text);
}

void Form11::Text1_KeyPress(int KeyAscii)
{
    TextSelected = false;
    if (KeyAscii != 13)
        return;
    if (List1->count() == 0) {
        MsgBox(QStringLiteral("Nothing to do!"), MsgButtons::Ok, MsgIcon::Exclamation, kSearchTitle);
        return;
    }
    const int row = findEntry(rowTexts(List1), Text1->text(), 0);
    if (row < 0) {
        Command1[2]->setEnabled(false);
        return;
    }
    selectEntry(row);
    Command1[2]->setEnabled(true);
}

void Form11::Text1_Change()
{
    if (Text1->text().isEmpty())
        Command1[2]->setEnabled(false);
}

void Form11::Text1_Click()
{
    if (TextSelected) {
        TextSelected = false;
    } else if (!Text1->text().isEmpty()) {
        Text1->selectAll();
        TextSelected = true;
    }
}

bool Form11::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            Text1_KeyPress(enter ? 13 : 0);
            return enter;
        }
        // On release, after the press has placed the caret.
        if (event->type() == QEvent::MouseButtonRelease)
            Text1_Click();
    }
    return QWidget::eventFilter(watched, event);
}
