#include "mainwindow/form1.h"

#include "platform/vb_color.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

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
