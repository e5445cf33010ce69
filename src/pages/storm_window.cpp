#include "pages/storm_window.h"

#include "pages/page_fetch.h"
#include "pages/page_text.h"
#include "pages/storm_archive.h"
#include "pictures/picture_fetch.h"
#include "pictures/picture_window.h"
#include "platform/animated_picture.h"
#include "platform/animation_frames.h"
#include "platform/inet_control.h"
#include "platform/plain_text.h"
#include "platform/screen.h"
#include "platform/waits.h"
#include "settings/connection.h"
#include "settings/source_addresses.h"
#include "settings/string_routines.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int kViewWidth = 520;
constexpr int kViewHeight = 400;

// After a wait: whether the window went away or the program began to close.
bool waitEnded(const QPointer<Form8>& window)
{
    return !window || programClosing();
}

} // namespace

Form8::Form8(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Hurricanes & Cyclones"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    List1 = new QListWidget(this);
    List1->addItems({"Atlantic", "Eastern Pacific", "Western Pacific"});
    List1->setToolTip(QStringLiteral("Select the area you want to look at."));
    List1->setFixedHeight(List1->sizeHintForRow(0) * 3 + 2 * List1->frameWidth() + 2);
    List2 = new QListWidget(this);
    List2->setToolTip(QStringLiteral("Select the year you want to use."));
    List3 = new QListWidget(this);
    List3->setFont(fixed);
    List3->setToolTip(QStringLiteral("Double Click to recover single storm map."));
    List3->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(62, QLatin1Char('M'))));
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    // A year is fetched when it becomes the chosen one, by mouse or keys
    // (clicking the chosen year again changes nothing). Both fetches start
    // once the list is done with the click or key: the list's own handling
    // must not resume after a wait in which the year was chosen again or the
    // window closed.
    connect(List2, &QListWidget::itemSelectionChanged, this, [this] { List2_Click(); }, Qt::QueuedConnection);
    connect(List3, &QListWidget::itemDoubleClicked, this, [this] { List3_DblClick(); }, Qt::QueuedConnection);

    const QStringList captions{"Area:", "Year:", "#", "Name", "Dates", "Wind", "Pres", "Cat"};
    for (int i = 0; i < 8; ++i) {
        Label1[i] = new QLabel(captions[i], this);
        if (i >= 2)
            Label1[i]->setFont(fixed);
    }

    auto* viewport = new QFrame(this);
    viewport->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    viewport->setFixedSize(kViewWidth, kViewHeight);
    Picture1[0] = viewport;
    auto* trackMap = new QLabel(viewport);
    trackMap->setToolTip(QStringLiteral("Right Click for Menu"));
    trackMap->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    trackMap->setGeometry(0, 0, kViewWidth, kViewHeight);
    Picture1[1] = trackMap;
    for (QWidget* picture : Picture1)
        picture->installEventFilter(this);
    mnuBlankForm8 = new QMenu(QStringLiteral("Blank"), this);
    mnuSLV = mnuBlankForm8->addAction(QStringLiteral("Show Large View"));
    connect(mnuSLV, &QAction::triggered, this, &Form8::mnuSLV_Click);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setRange(0, 400);
    HScroll1->setSingleStep(10);
    HScroll1->setPageStep(100);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setRange(0, 300);
    VScroll1->setSingleStep(10);
    VScroll1->setPageStep(100);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setFont(fixed);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setFixedSize(kViewWidth, kViewHeight);
    Text1->hide();
    Text2 = stormLegend();

    Frame1 = new QGroupBox(QStringLiteral("Display"), this);
    Option1[0] = new QRadioButton(QStringLiteral("Picture"), Frame1);
    Option1[1] = new QRadioButton(QStringLiteral("Data"), Frame1);
    Option1[0]->setChecked(true);
    auto* choice = new QHBoxLayout(Frame1);
    for (int i = 0; i < 2; ++i) {
        choice->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                Option1_Click(i);
        });
    }

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    panel1 = plainLabel(StatusBar1);
    StatusBar1->addWidget(panel1, 1);
    Picture3 = new QWidget(StatusBar1);
    Picture3->setFixedSize(20, 20);
    Gif89a1 = new AnimatedPicture(Picture3);
    Gif89a1->setGeometry(2, 2, 16, 16);
    Gif89a1->setFrames(busyFrames(16));
    StatusBar1->addPermanentWidget(Picture3);
    Picture3->hide();
    Inet1 = new InetControl(this);
    connect(Inet1, &InetControl::StateChanged, this, &Form8::Inet1_StateChanged);

    auto* choosers = new QGridLayout;
    choosers->addWidget(Label1[0], 0, 0);
    choosers->addWidget(Label1[1], 0, 1);
    choosers->addWidget(List1, 1, 0, Qt::AlignTop);
    choosers->addWidget(List2, 1, 1, 2, 1);
    choosers->addWidget(Frame1, 2, 0, Qt::AlignBottom);
    auto* headings = new QHBoxLayout;
    const std::array<int, 6> columns{4, 15, 16, 6, 6, 4};
    for (int i = 0; i < 6; ++i) {
        Label1[2 + i]->setFixedWidth(QFontMetrics(fixed).horizontalAdvance(QString(columns[i], QLatin1Char('M'))));
        headings->addWidget(Label1[2 + i]);
    }
    headings->addStretch();
    auto* storms = new QVBoxLayout;
    storms->addLayout(headings);
    storms->addWidget(List3);
    auto* top = new QHBoxLayout;
    top->addLayout(choosers);
    top->addLayout(storms, 1);

    auto* display = new QGridLayout;
    display->setSpacing(0);
    display->setColumnStretch(2, 1);
    display->addWidget(viewport, 0, 0);
    display->addWidget(Text1, 0, 0); // over the map
    display->addWidget(VScroll1, 0, 1);
    display->addWidget(HScroll1, 1, 0);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(display);
    layout->addWidget(StatusBar1);
    adjustSize();
}

QLabel* Form8::map() const
{
    return static_cast<QLabel*>(Picture1[1]);
}

void Form8::Form_Load()
{
    const QPointer<Form8> alive(this);
    centreOnScreen(this);
    show();
    DoEvents();
    if (waitEnded(alive))
        return;
    for (int i = 0; i < 3; ++i)
        AreaCode[i] = QLatin1String(kStormAreaCodes[i]);
    List1->setCurrentRow(0);
    DoEvents();
}

void Form8::List1_Click()
{
    Fill_Years(List1->currentRow());
}

void Form8::Fill_Years(int Area)
{
    List2->clear();
    List2->addItems(stormYears(Area, QDate::currentDate().year()));
}

QString Form8::chosenYear() const
{
    const QList<QListWidgetItem*> chosen = List2->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

// The list's current row is no choice: the list makes its first row current
// when it gets the focus back (from a closed menu, say) without one.
const QListWidgetItem* Form8::chosenStorm() const
{
    const QList<QListWidgetItem*> chosen = List3->selectedItems();
    return chosen.isEmpty() ? nullptr : chosen.first();
}

void Form8::List2_Click()
{
    const QString year = chosenYear();
    if (year.isEmpty())
        return;
    List3->clearSelection();
    List3->setCurrentRow(-1);
    Get_Storm(seasonMapAddress(sites::DataCompanySite(), List1->currentRow(), year));
}

void Form8::List3_DblClick()
{
    const QListWidgetItem* storm = chosenStorm();
    if (!storm || List1->currentRow() < 0)
        return;
    const QString name = Get_Storm_Name(storm->text().left(29));
    if (name == QLatin1String("NoName"))
        return;
    Get_Storm(stormMapAddress(sites::DataCompanySite(), List1->currentRow(), chosenYear(), name));
}

void Form8::Get_Storm(const QString& URL)
{
    // The wait before the first request lets another choice in: it too
    // finds the window busy.
    if (fetching || Inet1->StillExecuting()) {
        panel1->setText(QStringLiteral("Connection Busy"));
        return;
    }
    const QPointer<Form8> alive(this);
    fetching = true;
    // A chosen storm line makes this a storm's fetch; without one it is the
    // season's. Which, and the title of what it shows, are settled now: the
    // waits may change the lists.
    const QListWidgetItem* storm = chosenStorm();
    fetchStorm(URL, storm != nullptr,
               storm ? stormLineTitle(storm->text()) : chosenYear() + QStringLiteral(" Tropical Storm Tracks"));
    if (alive)
        fetching = false;
}

void Form8::fetchStorm(const QString& URL, bool storm, const QString& title)
{
    const QPointer<Form8> alive(this);
    map()->clear();
    emptyDataFolder();
    DoEvents();
    if (waitEnded(alive))
        return;
    const QString fileName = Get_FileName(URL);
    FetchItem = QStringLiteral("Storm Data");
    Get_Storm_Data(Get_URLPath(URL) + QStringLiteral("index.html"), storm);
    if (waitEnded(alive))
        return;
    FetchItem = QStringLiteral("Storm Track Picture");
    const DownloadOutcome download = Get_Track_Picture(URL, fileName);
    if (waitEnded(alive))
        return;
    if (download == DownloadOutcome::NotWritten) {
        panel1->setText(QStringLiteral("Picture Could Not Be Saved"));
        return;
    }
    QFile file(QDir(dataFolder()).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        panel1->setText(QStringLiteral("Picture Could Not Be Recovered"));
        return;
    }
    const QByteArray bytes = file.readAll();
    QPixmap picture;
    if (!picture.loadFromData(bytes)) {
        panel1->setText(QStringLiteral("Picture Not Available At This Time"));
        return;
    }
    mapBytes = bytes;
    mapFileName = fileName;
    mapTitle = title;
    map()->setPixmap(picture);
    map()->resize(picture.size().expandedTo(QSize(kViewWidth, kViewHeight)));
}

void Form8::Get_Storm_Data(const QString& IndexURL, bool storm)
{
    const QPointer<Form8> alive(this);
    if (!storm) {
        setDataText(Text2);
    } else {
        const std::optional<QString> data = fetchText(*Inet1, Get_URLPath(IndexURL) + QStringLiteral("track.dat"));
        if (waitEnded(alive))
            return;
        // Track data that did not come: a notice, not the server's error
        // page nor the data of the storm shown before. The archive keeps
        // none for a sub-tropical storm; any other failure is no such answer.
        const bool notFound = data ? data->contains(QLatin1String("File Not Found"))
                                   : Inet1->lastHttpStatus() == 404;
        if (!data || notFound) {
            Option1[1]->setChecked(true);
            setDataText(notFound ? missingStormDataNotice() : stormDataNotFetchedNotice());
            return;
        }
        Show_Storm_Text(*data);
    }
    const QString page = fetchTextOrEmpty(*Inet1, IndexURL);
    if (waitEnded(alive))
        return;
    if (!page.isEmpty()) {
        bool found = false;
        Fill_Storm_List(page, found);
        if (found)
            return;
    }
    panel1->setText(QStringLiteral("Corvane Encountered an ERROR!"));
}

QString Form8::Show_Storm_Text(const QString& Text)
{
    const QString shown = withLineBreaks(Text, QLatin1Char('\n'));
    setDataText(shown);
    return shown;
}

void Form8::setDataText(const QString& text)
{
    Text1->setPlainText(plainLines(text));
}

void Form8::Fill_Storm_List(const QString& Page, bool& OK)
{
    const std::optional<QStringList> lines = stormTable(Page);
    OK = lines.has_value();
    if (!OK)
        return;
    List3->clear();
    List3->addItems(*lines);
}

DownloadOutcome Form8::Get_Track_Picture(const QString& URL, const QString& FileName)
{
    Set_Inet(*Inet1);
    return downloadToDataFolder(*Inet1, URL, FileName);
}

void Form8::Option1_Click(int Index)
{
    if (Index == 0) {
        Text1->hide();
    } else if (Index == 1) {
        Text1->show();
        Text1->raise();
        if (!chosenStorm())
            setDataText(Text2);
    }
}

void Form8::HScroll1_Change()
{
    map()->move(-HScroll1->value(), map()->y());
}

void Form8::VScroll1_Change()
{
    map()->move(map()->x(), -VScroll1->value());
}

void Form8::Inet1_StateChanged(int State)
{
    panel1->setText(stormTransferText(State, FetchItem, Inet1->lastErrorNumber(), Inet1->lastHttpStatus()));
    if (State <= InetControl::icConnecting)
        return;
    if (State <= InetControl::icReceivingResponse) {
        Picture3->show();
        Gif89a1->play();
        return;
    }
    Picture3->hide();
    Gif89a1->stop();
    // A request that has disconnected or failed is ended for good.
    if (State == InetControl::icDisconnected || State == InetControl::icError)
        Inet1->Cancel();
}

void Form8::Picture1_MouseDown(int Index, Qt::MouseButton Button, const QPoint& globalAt)
{
    if (Index >= 0 && Index <= 1 && Button == Qt::RightButton)
        mnuBlankForm8->popup(globalAt);
}

void Form8::mnuSLV_Click()
{
    if (map()->pixmap().isNull() || pictureWindowsFull())
        return;
    Form5* window = newPictureWindow();
    window->loadPicture(mapBytes, mapFileName);
    showPictureWindow(*window, mapTitle);
}

bool Form8::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 2; ++i) {
            if (watched == Picture1[i]) {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                Picture1_MouseDown(i, mouse->button(), mouse->globalPosition().toPoint());
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
