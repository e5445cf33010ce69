#include "options/options_dialog.h"

#include "options/key_codes.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/list_safe_text.h"
#include "platform/screen.h"
#include "platform/text_files.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
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
        List8 = splitLines(QString::fromUtf8(table.readAll()));
        while (!List8.isEmpty() && List8.last().isEmpty())
            List8.removeLast();
    }

    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connectCommands();
    connectWatchListEditing();
    connectAlertSettings();
    // What these boxes hold is written to comma-separated files.
    for (QLineEdit* box : {Text1[0], Text1[1], Text2, Text5})
        dropListSeparators(box);
    connect(Command9, &QPushButton::clicked, this, &Form2::Command9_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command8, &QPushButton::clicked, this, &Form2::Command8_Click);
    for (int i = 0; i < 3; ++i)
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option2_Click(i);
        });
    setFixedSize(sizeHint().expandedTo(QSize(640, 470)));
    designValues_.take(*this);
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

// While the program runs the dialog only hides. Closing it saves nothing and
// puts the saved settings back, as Cancel does: the watch list that the
// updates and the main window's save command use is never left empty.
void Form2::closeEvent(QCloseEvent* event)
{
    if (form1().Closing == 0) {
        cancelAndHide();
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
    } else if (watched == List3->viewport() && event->type() == QEvent::MouseButtonRelease) {
        List3_MouseUp(static_cast<QMouseEvent*>(event)->button());
    } else if (watched == SSTab1->tabBar() && event->type() == QEvent::KeyRelease) {
        // Every key released on the tab strip shows its key code.
        Label3->setText(QString::number(keyCodeOf(*static_cast<QKeyEvent*>(event))));
    }
    return QDialog::eventFilter(watched, event);
}
