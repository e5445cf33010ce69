#include "options/options_dialog.h"

#include "options/key_codes.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/weather_window.h"
#include "platform/screen.h"
#include "platform/vb_color.h"
#include "platform/vb_numbers.h"
#include "settings/program_state.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/string_routines.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

Form2::Form2(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Corvane Options"));
    SSTab1 = new QTabWidget(this);
    SSTab1->addTab(buildCityTab(), QStringLiteral("City Selection"));
    SSTab1->addTab(buildInternetTab(), QStringLiteral("Internet"));
    SSTab1->addTab(buildSettingsTab(), QStringLiteral("Settings"));
    SSTab1->addTab(buildIconTab(), QStringLiteral("Weather Icons"));
    SSTab1->tabBar()->installEventFilter(this);

    Command1[0] = new QPushButton(QStringLiteral("Save && Refresh"), this);
    Command1[4] = new QPushButton(QStringLiteral("Save && No Refresh"), this);
    Command1[1] = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1[0]);
    buttons->addWidget(Command1[4]);
    buttons->addWidget(Command1[1]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);

    // The alternate-place table is built into the program.
    QFile table(QStringLiteral(":/alternate_places.txt"));
    if (table.open(QIODevice::ReadOnly)) {
        QString text = QString::fromUtf8(table.readAll());
        text.remove(QLatin1Char('\r'));
        List8 = text.split(QLatin1Char('\n'));
        while (!List8.isEmpty() && List8.last().isEmpty())
            List8.removeLast();
    }

    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { Combo2_Click(); });
    connect(Combo3, &QComboBox::currentIndexChanged, this, [this] { Combo3_Click(); });
    connect(Combo4, &QComboBox::currentIndexChanged, this, [this] { Combo4_Click(); });
    connect(Check5, &QCheckBox::toggled, this, [this] { Check5_Click(); });
    for (int i = 0; i < 4; ++i)
        connect(Option6[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option6_Click(i);
        });
    connect(Command9, &QPushButton::clicked, this, &Form2::Command9_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command8, &QPushButton::clicked, this, &Form2::Command8_Click);
    for (int i = 0; i < 3; ++i)
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option2_Click(i);
        });
    setFixedSize(sizeHint().expandedTo(QSize(640, 470)));
}

void Form2::centre()
{
    centreOnScreen(this);
}

// Escape leaves the dialog the way its close box does.
void Form2::reject()
{
    if (form1().Closing == 0)
        close();
    else
        QDialog::reject();
}

void Form2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centre();
    SSTab1->setCurrentIndex(0);
}

void Form2::closeEvent(QCloseEvent* event)
{
    if (form1().Closing == 0) {
        List3->clear();
        hide();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    // The hidden counter: Shift+Ctrl+Alt with the right button on the state
    // list's caption shows it, or resets and hides it.
    if (watched == Label1[0] && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        if (mouse->button() == Qt::RightButton && (mouse->modifiers() & all) == all) {
            if (!Label3->isHidden()) {
                Label3->setText(QStringLiteral("0"));
                Label3->hide();
            } else {
                Label3->show();
            }
        }
    } else if (watched == SSTab1->tabBar() && event->type() == QEvent::KeyRelease) {
        // Every key released on the tab strip shows its key code.
        Label3->setText(QString::number(keyCodeOf(*static_cast<QKeyEvent*>(event))));
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::Combo2_Click()
{
    if (isVisible() && Combo2->currentText() != QLatin1String("(none)"))
        Play_Sound(Combo2->currentText() + QStringLiteral(".wav"));
}

void Form2::Combo4_Click()
{
    if (isVisible() && Combo4->currentText() != QLatin1String("(none)"))
        Play_Sound(Combo4->currentText() + QStringLiteral(".wav"));
}

void Form2::Combo3_Click()
{
    const int speed = Combo3->currentIndex();
    if (speed >= 0 && speed <= 2)
        weather().Timer1->setInterval(animationStep(program().AnimKind, speed));
}

void Form2::Check5_Click()
{
    if (!Check5->isChecked()) {
        setBackColor(Label2[4], kPaleCyan);
        setBackColor(Label2[3], kButtonTextColor);
    }
}

void Form2::Option6_Click(int Index)
{
    program().DigitColorIndex = Index;
    Save_Reg(QStringLiteral("DigitColor"), QString::number(Index));
    // A window not yet loaded takes the colour when it loads.
    if (wethWindLoaded()) {
        wethWind().DigitColorChange();
        form1().Display_Digital();
    }
}
