#pragma once
#include <QDialog>

class QLabel;

// The About window, also shown as the start-up splash.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblVersion = nullptr; // "Version 1.7.7"
    QLabel* Label4 = nullptr;     // home-page address, without a trailing "/"
};
