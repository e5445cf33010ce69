#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/single_instance.h"
#include "platform/user_dialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    const SingleInstance instance;
    if (instance.anotherIsRunning()) {
        MsgBox(QStringLiteral("Program Aready Running!"), MsgButtons::Ok, MsgIcon::Exclamation);
        return 0;
    }
    form1().Form_Load();
    const int code = QApplication::exec();
    releaseAllForms();
    return code;
}
