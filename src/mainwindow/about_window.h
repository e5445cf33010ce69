#pragma once
#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTimer;

// The About window, also shown for three seconds as the start-up splash.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;   // "Version 1.7.7"
    QLabel* Label4 = nullptr;       // home-page address, without a trailing "/"; a click opens it
    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QTimer* Timer1 = nullptr;       // closes the splash

    // Starts the machine's system-information program, or says there is none.
    void StartSysInfo();

    // Shows the window as the start-up splash and lets events run until its
    // timer has closed it.
    void showAsSplash(int milliseconds = 3000);

protected:
    // Shown or activated, the window stands in the middle of the screen.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The system-information programs this platform may have, in order of preference.
QStringList systemInformationPrograms();
