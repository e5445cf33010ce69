#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/file_writes.h"
#include "platform/shutdown_signals.h"
#include "platform/single_instance.h"
#include "platform/user_dialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    failWritesPastTheFileSizeLimit();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    // A second copy says so and ends at once; the running copy is untouched.
    const SingleInstance instance;
    if (instance.anotherIsRunning()) {
        MsgBox(QStringLiteral("Program Aready Running!"), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Corvane"));
        return 0;
    }

    // Log-out, Ctrl+C and a hang-up close the program as its Exit command does.
    const ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::received, &form1(), &Form1::Exit_Click);

    // The load ends early when the program was closed while it ran.
    const int code = form1().Form_Load() ? QApplication::exec() : 0;
    releaseAllForms();
    return code;
}
