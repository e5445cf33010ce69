#include "pages/text_viewer.h"

#include "pages/page_text.h"
#include "pages/page_window_slot.h"
#include "platform/file_writes.h"
#include "platform/program_folder.h"
#include "platform/screen.h"
#include "platform/user_dialogs.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPrinter>

namespace {

PageWindowSlot<Form4> theForm4;

} // namespace

Form4& form4()
{
    return theForm4.instance();
}

bool form4Loaded()
{
    return theForm4.loaded();
}

void showInViewer(const QString& caption, const QString& text)
{
    Form4& viewer = form4();
    viewer.setWindowTitle(caption);
    viewer.setText(text);
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
}

QString textFileName(const QString& chosen)
{
    if (chosen.size() <= 4 || !chosen.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return chosen + QStringLiteral(".txt");
    return chosen;
}

Form4::Form4(QWidget* parent) : QMainWindow(parent)
{
    Text1 = new QPlainTextEdit(this);
    setCentralWidget(Text1);
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuSave = mnuFile->addAction(QStringLiteral("Save &As"));
    mnuFile->addSeparator();
    mnuPrint = mnuFile->addAction(QStringLiteral("&Print"));
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    connect(mnuSave, &QAction::triggered, this, &Form4::mnuSave_Click);
    connect(mnuPrint, &QAction::triggered, this, &Form4::mnuPrint_Click);
    connect(mnuExit, &QAction::triggered, this, &Form4::mnuExit_Click);
    resize(640, 440);
}

void Form4::setText(const QString& text)
{
    Text1->setPlainText(plainLines(text));
}

QString Form4::text() const
{
    // The document's raw text keeps no-break spaces and line separators as
    // they are; only the breaks between its paragraphs are line ends.
    return Text1->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
}

void Form4::mnuSave_Click()
{
    // Taken before the dialog: the viewer may be closed while it is open.
    const QByteArray bytes = (text() + QStringLiteral("\r\n")).toUtf8();
    const QString filter = QStringLiteral("Text Files (*.txt)");
    // The name chosen may get ".txt" after it: the question about replacing
    // a file is asked here, about the file that will be written.
    const auto choice = chooseSaveFile(SaveFileRequest{.title = QStringLiteral("Save As"),
                                                       .filters = {filter},
                                                       .selectedFilter = filter,
                                                       .startPath = programFolder(),
                                                       .dialogAsksToReplace = false});
    if (!choice)
        return;
    const QString path = textFileName(choice->path);
    if (QFileInfo::exists(path)
        && MsgBox(QStringLiteral("%1 already exists.\r\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
                  MsgButtons::YesNo, MsgIcon::Exclamation, QStringLiteral("Save As"), MsgDefault::Second)
               != MsgResult::Yes)
        return;
    QString error;
    if (!writeFileSafely(path, bytes, &error))
        MsgBox(QStringLiteral("The text could not be saved as %1:\r\n%2").arg(path, error), MsgButtons::Ok,
               MsgIcon::Exclamation);
}

void Form4::mnuPrint_Click()
{
    const std::unique_ptr<QPrinter> printer = defaultPrinter();
    if (!printer) {
        MsgBox(QStringLiteral("There is no printer to print on."), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    Text1->print(printer.get());
    if (printer->printerState() == QPrinter::Error)
        MsgBox(QStringLiteral("The text could not be printed."), MsgButtons::Ok, MsgIcon::Exclamation);
}

void Form4::mnuExit_Click()
{
    close();
}

void Form4::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    centreOnScreen(this);
}

void Form4::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        centreOnScreen(this);
}

void Form4::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    theForm4.unload(this);
}
