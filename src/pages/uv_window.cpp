#include "pages/uv_window.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_text.h"
#include "pages/page_window_slot.h"
#include "platform/plain_text.h"
#include "platform/screen.h"
#include "platform/color_values.h"
#include "settings/program_state.h"
#include "update/state_codes.h"
#include "update/uv_and_warning_checks.h"
#include "update/uv_and_warnings.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtMath>

namespace {

PageWindowSlot<Form3> theForm3;

// A yellow sun with twelve rays, drawn for the window's picture.
QPixmap sunPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    painter.setPen(QPen(QColor(0xf0, 0x90, 0x10), size / 16.0, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 12; ++ray) {
        const double angle = ray * M_PI / 6;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * size * 0.32, centre + direction * size * 0.46);
    }
    painter.setPen(QPen(QColor(0xe0, 0x80, 0x00), 1.5));
    painter.setBrush(QColor(0xff, 0xd8, 0x20));
    painter.drawEllipse(centre, size * 0.25, size * 0.25);
    return picture;
}

} // namespace

QString uvLegend()
{
    const QString indent(3, QLatin1Char(' '));
    auto row = [&](const char* values, int blanks, const char* level) {
        return indent + QLatin1String(values) + QString(blanks, QLatin1Char(' ')) + QLatin1String(level)
            + QLatin1String("\r\n");
    };
    return QStringLiteral("THE UV INDEX IS CATEGORIZED BY EPA AS \r\nFOLLOWS:\r\n") + row("UVI", 22, "EXPOSURE LEVEL")
        + row("0 1 2", 24, "MINIMAL") + row("3 4", 27, "LOW") + row("5 6", 27, "MODERATE")
        + row("7 8 9", 24, "HIGH") + row("10 AND GREATER", 5, "VERY HIGH");
}

Form3& form3()
{
    return theForm3.instance();
}

bool form3Loaded()
{
    return theForm3.loaded();
}

Form3::Form3(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Corvane UV Index"));
    Picture1 = new QLabel(this);
    Picture1->setPixmap(sunPicture(56));
    Label1 = plainLabel(this, QStringLiteral("UV Index for"));
    Label2 = plainLabel(this, QStringLiteral("00"));
    QFont big = Label2->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    Label2->setFont(big);
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setPlainText(plainLines(uvLegend()));
    setForeColor(Text1, kRed);
    Text1->setMinimumSize(400, 150);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Picture1, 0, 0, 2, 1);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(Label2, 1, 1);
    grid->addWidget(Text1, 2, 0, 1, 2);
    grid->addWidget(Command1, 3, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
}

void Form3::Command1_Click()
{
    done(QDialog::Accepted);
}

void Form3::done(int result)
{
    QDialog::done(result);
    theForm3.unload(this);
}

void Form3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void Show_UV_Index(int Index)
{
    if (Index < 0 || Index > 9)
        return;
    const QString place = form1().Label2[Index]->text();
    const int row = uvCityRow(place, slotStateCode(slotWatchEntry(Index), program().SlotURL[Index]));
    Form3& window = form3();
    window.Label1->setText(QStringLiteral("UV Index for ") + place + QStringLiteral(" Is:"));
    window.Label2->setText(row < 0 ? QStringLiteral("Not Available") : program().UVValues[row]);
    window.show();
    window.raise();
}
