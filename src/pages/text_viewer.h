#pragma once
#include <QMainWindow>

class QAction;
class QMenu;
class QPlainTextEdit;

// The shared text window. Every fetched or stored text product is shown in
// this one window: each caller replaces its caption and its text. It stands
// in the middle of the screen whenever it is shown or becomes active, and
// offers saving the text, printing it and closing. Closing unloads it: the
// next caller gets a fresh window.
class Form4 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    QPlainTextEdit* Text1 = nullptr; // fills the window; the user may edit it
    QMenu* mnuFile = nullptr;        // "&File"
    QAction* mnuSave = nullptr;      // "Save &As"
    QAction* mnuPrint = nullptr;     // "&Print"
    QAction* mnuExit = nullptr;      // "E&xit"

    // Replaces the text. Line breaks may be CR LF, CR CR LF (one break) or a
    // lone CR or LF.
    void setText(const QString& text);
    // The text as shown, its line breaks as CR LF.
    QString text() const;

    void mnuSave_Click();
    void mnuPrint_Click();
    void mnuExit_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

// The window, created (owned by the main window) on first use.
Form4& form4();
bool form4Loaded();

// Shows a text under a caption in the window, not modal.
void showInViewer(const QString& caption, const QString& text);

// The name a text is saved under: the chosen name with ".txt" appended,
// unless it is longer than four characters and already ends in ".txt" in
// any case (notes -> notes.txt, notes.log -> notes.log.txt, Notes.TXT stays).
QString textFileName(const QString& chosen);
