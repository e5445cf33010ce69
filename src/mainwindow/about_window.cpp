#include "mainwindow/about_window.h"

#include "platform/desktop.h"
#include "platform/plain_text.h"
#include "platform/screen.h"
#include "platform/user_dialogs.h"
#include "platform/waits.h"
#include "settings/condition_pictures.h"
#include "settings/source_addresses.h"
#include "settings/version.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

QStringList systemInformationPrograms()
{
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("lshw-gtk")};
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Corvane"));

    picIcon = new QLabel(this);
    picIcon->setPixmap(conditionPicture(1, 48));
    lblTitle = new QLabel(QStringLiteral("Corvane"), this);
    QFont big = lblTitle->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion = new QLabel(versionText(), this);
    auto* blurb = new QLabel(QStringLiteral("A desktop Internet weather display for the stations you watch."), this);
    blurb->setWordWrap(true);
    Label4 = plainLabel(this, sources::homePage());
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->setStyleSheet(QStringLiteral("color: #1a4fd6; text-decoration: underline;"));
    Label4->installEventFilter(this);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdSysInfo = new QPushButton(QStringLiteral("Sys-Info"), this);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    Timer1 = new QTimer(this);
    Timer1->setInterval(15000);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        close();
    });

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addWidget(blurb);
    text->addWidget(Label4);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedWidth(360);
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void frmAbout::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        centreOnScreen(this);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        openWithDefaultProgram(Label4->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::StartSysInfo()
{
    for (const QString& name : systemInformationPrograms()) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty() && startProgram(found, {}))
            return;
    }
    MsgBox(QStringLiteral("System Information Is Unavailable At This Time"));
}

void frmAbout::showAsSplash(int milliseconds)
{
    Timer1->setInterval(milliseconds);
    Timer1->start();
    show();
    waitUntil([this] { return !Timer1->isActive(); }, milliseconds / 1000.0 + 5.0);
}
