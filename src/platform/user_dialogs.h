#pragma once
#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;

// Everything that would stop and wait for the user (message boxes, pickers)
// or end the process goes through here, so tests can answer in its place.
//
// Unattended runs: when the environment variable CORVANE_UNATTENDED is set
// (to anything), nothing waits for a user. A message box writes
// "title: text" as one line to standard error and is answered as if closed
// with Escape (OK for an OK-only box, else Cancel or No); a modal dialog
// writes "title: shown" and returns at once, rejected; a colour picker and a
// Save As dialog are cancelled. Tests that run the program as a separate process set it.

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Stop, Question, Exclamation, Information };
enum class MsgResult { Ok, Cancel, Yes, No };
// The button that Enter presses: the first (OK, Yes) or the second (Cancel, No).
enum class MsgDefault { First, Second };

struct MessageRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgDefault defaultButton = MsgDefault::First;
};

MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const QString& title = QStringLiteral("Corvane"),
                 MsgDefault defaultButton = MsgDefault::First);

// A colour chosen by the user, or nullopt when the choice was cancelled.
std::optional<QColor> chooseColor(const QColor& initial);

// A Save As choice: the file types offered ("Bmp Files (*.bmp)" and so on),
// the one preselected, and the folder and name the dialog starts with.
// A caller that makes another name of the one chosen asks itself before it
// replaces a file: the dialog then does not ask.
struct SaveFileRequest {
    QString title;
    QStringList filters;
    QString selectedFilter;
    QString startPath;
    bool dialogAsksToReplace = true;
};
struct SaveFileChoice {
    QString path;
    QString filter; // the file type chosen
};
// The file the user chose to save to, or nullopt when the choice was
// cancelled. A name typed without an extension gets the chosen type's
// ("copy" saved as "Gif Files (*.gif)" is "copy.gif") before the dialog asks
// whether to replace a file of that name: the file chosen is the one the
// dialog asked about.
std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request);

// The extension of a file type ("gif" for "Gif Files (*.gif)"); empty for a
// type of any extension ("All Files (*.*)").
QString filterSuffix(const QString& filter);

// The printer to print on: the system's default printer, or nullptr when
// there is none.
std::unique_ptr<QPrinter> defaultPrinter();

// Shows a dialog modally and returns its result.
int showModal(QDialog& dialog);

// Ends the program at once with the given exit code.
[[noreturn]] void endProgram(int code);

// Test hooks: while set, they answer instead of the real dialogs (and
// instead of the unattended answers).
struct DialogSeam {
    std::function<MsgResult(const MessageRequest&)> message;
    std::function<std::optional<QColor>(const QColor&)> color;
    std::function<void(int)> endProgram; // must not return (throw, for example)
    std::function<int(QDialog&)> modal;
    // Answers as the dialog would: with the extension of the type chosen
    // added to a name typed without one.
    std::function<std::optional<SaveFileChoice>(const SaveFileRequest&)> saveFile;
    std::function<std::unique_ptr<QPrinter>()> printer;
};
void setDialogSeam(DialogSeam seam);
void clearDialogSeam();
