#include "mainwindow/form1.h"
#include "mainwindow/window_layout.h"
#include "pages/info_windows.h"
#include "pages/station_info_menu.h"

#include "platform/plain_text.h"
#include "platform/twips.h"
#include "platform/color_values.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int kNarrowest = 820; // pixels
} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Corvane"));
    buildMenus();
    connectInformationMenus(*this);
    buildStationTable();
    buildStatusBar();
    connectInformationPages(*this);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(60000);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    Timer2->start();
}

void Form1::showEvent(QShowEvent* event)
{
    // Restored after its watch list changed: sized now, before it appears.
    if (sizeOnRestore && !isMinimized())
        Size_To_WatchList(*this, *sizeOnRestore);
    QMainWindow::showEvent(event);
}

std::array<std::array<QLabel*, 10>*, 9> Form1::stationColumns()
{
    return {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10};
}

void Form1::buildStationTable()
{
    auto* table = new QWidget(this);
    auto* grid = new QGridLayout(table);
    grid->setHorizontalSpacing(8);
    constexpr int kRowSpacing = 2;
    grid->setVerticalSpacing(kRowSpacing);
    // Each station row is 360 twips high, the step by which the window grows per station.
    const int rowHeight = twipsToPixels(360) - kRowSpacing;
    const QStringList headings{"", "", "Place", "Sky", "Temp", "Dewpt", "Hum %", "Wind", "Pressure", "Remarks", "UV"};
    for (int column = 0; column < headings.size(); ++column) {
        auto* heading = new QLabel(headings[column], table);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, 0, column);
    }
    for (int row = 0; row < 10; ++row) {
        Option1[row] = new QRadioButton(table);
        connect(Option1[row], &QRadioButton::clicked, this, [this, row] { Option1_Click(row); });
        grid->addWidget(Option1[row], row + 1, 0);
        S_Warning[row] = new QLabel(table);
        S_Warning[row]->setFixedSize(14, 14);
        S_Warning[row]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setBackColor(S_Warning[row], kButtonFaceColor);
        S_Warning[row]->installEventFilter(this);
        grid->addWidget(S_Warning[row], row + 1, 1);
        int column = 2;
        const std::array<int, 9> widths{130, 90, 44, 48, 48, 80, 64, 170, 30};
        for (auto* labels : stationColumns()) {
            (*labels)[row] = plainLabel(table);
            (*labels)[row]->setMinimumWidth(widths[column - 2]);
            (*labels)[row]->setMinimumHeight(rowHeight);
            grid->addWidget((*labels)[row], row + 1, column++);
        }
    }
    for (QLabel* place : Label2)
        place->installEventFilter(this);
    Option1[0]->setChecked(true);
    grid->setColumnStretch(9, 1);
    grid->setRowStretch(11, 1);
    // The table is never narrower than this; the window takes its least
    // width from what the table and the status bar need.
    table->setMinimumWidth(std::max(kNarrowest, grid->minimumSize().width()));
    setCentralWidget(table);

    Picture1[0] = new QWidget(this);
    Picture1[0]->setFixedHeight(twipsToPixels(330));
    Picture1[1] = new QWidget(Picture1[0]);
    Label1[0] = new QLabel(Picture1[1]);
    auto* strip = new QGridLayout(Picture1[0]);
    strip->setContentsMargins(2, 2, 2, 2);
    strip->addWidget(Picture1[1]);
    auto* area = new QGridLayout(Picture1[1]);
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(Label1[0]);
    Picture1[0]->hide();
}
