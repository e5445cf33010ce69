#include "mainwindow/about_window.h"

#include "settings/source_addresses.h"
#include "settings/version.h"

#include <QLabel>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Corvane"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Corvane"), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    lblVersion = new QLabel(versionText(), this);
    Label4 = new QLabel(sources::homePage(), this);
    layout->addWidget(title);
    layout->addWidget(lblVersion);
    layout->addWidget(Label4);
}
