#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setQuitOnLastWindowClosed(false);
    form2();
    form1().show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    const int code = QApplication::exec();
    releaseAllForms();
    return code;
}
