#include "mainwindow/form1.h"

#include "platform/vb_color.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace {

QAction* checkItem(QMenu* menu, const QString& caption, bool checked)
{
    QAction* item = menu->addAction(caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Corvane"));
    buildMenus();
    buildStationTable();
}

std::array<std::array<QLabel*, 10>*, 9> Form1::stationColumns()
{
    return {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10};
}

void Form1::buildMenus()
{
    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
    QMenu* alerts = settings->addMenu(QStringLiteral("&Alerts"));
    Visual = checkItem(alerts, QStringLiteral("&Visual"), true);
    Sound = checkItem(alerts, QStringLiteral("&Sound"), true);
    AOT = checkItem(settings, QStringLiteral("Always On &Top"), true);
    CheckAlternate = checkItem(settings, QStringLiteral("&Check Alternate Site"), false);
    IgnoreWarnings = checkItem(settings, QStringLiteral("Ignore &Warnings"), false);
    IgnoreUV = checkItem(settings, QStringLiteral("Ignore &UV"), false);
    DisScroll = checkItem(settings, QStringLiteral("Scrolling &Display"), false);
    DisScroll->setEnabled(false);

    QMenu* startup = settings->addMenu(QStringLiteral("Start-up &Display"));
    MinWeat = checkItem(startup, QStringLiteral("&Mini-Weather"), false);
    AllWeat = checkItem(startup, QStringLiteral("&All-Weather"), true);
    DigWeat = checkItem(startup, QStringLiteral("&Digital-Weather"), false);

    QMenu* refresh = settings->addMenu(QStringLiteral("&Refresh"));
    Auto = checkItem(refresh, QStringLiteral("&Auto"), true);
    Manual = checkItem(refresh, QStringLiteral("&Manual"), false);

    QMenu* animation = settings->addMenu(QStringLiteral("A&nimation"));
    TheAnimation[0] = checkItem(animation, QStringLiteral("&Anemometer"), true);
    TheAnimation[1] = checkItem(animation, QStringLiteral("&Sun Shine"), false);

    QMenu* units = settings->addMenu(QStringLiteral("&Units"));
    TempD[0] = checkItem(units, QStringLiteral("&Fahrenheit"), true);
    TempD[1] = checkItem(units, QStringLiteral("&Celsius"), false);

    QMenu* mail = menuBar()->addMenu(QStringLiteral("Check &E-Mail"));
    CkMail[0] = checkItem(mail, QStringLiteral("&Auto"), false);
}

void Form1::buildStationTable()
{
    auto* table = new QWidget(this);
    auto* grid = new QGridLayout(table);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int row = 0; row < 10; ++row) {
        S_Warning[row] = new QLabel(table);
        S_Warning[row]->setFixedSize(12, 12);
        setBackColor(S_Warning[row], kButtonFaceColor);
        grid->addWidget(S_Warning[row], row, 0);
        int column = 1;
        for (auto* labels : stationColumns()) {
            (*labels)[row] = new QLabel(table);
            grid->addWidget((*labels)[row], row, column++);
        }
    }
    setCentralWidget(table);
}
