#pragma once
#include <QByteArray>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
struct FitResult;

// A picture window: one fetched picture at its own size, scroll bars when it
// is larger than the visible area, and a menu on the right mouse button to
// print it at one of eight scales, save it or close the window. Openers
// create it hidden, load the picture, then show it with showPictureWindow()
// (picture_fetch.h). Closing the window deletes it.
class Form5 : public QWidget {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;        // the picture at its own size, at the window's top left
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* TheAnimatorBox = nullptr;  // plays an animated picture over Picture1
    QMenu* xfile = nullptr;            // "&File", the right-button menu
    QMenu* nextra = nullptr;           // "Print"
    std::array<QAction*, 8> xfile1{};  // "Print 200%" ... "Print 25%"
    std::array<QAction*, 2> xfiler{};  // "Save", "Exit"
    QString Tag;                       // the window's slot in the open-window list

    // Shows the picture in these bytes, stored under FileName in the data
    // folder. False when the bytes are no picture.
    bool loadPicture(const QByteArray& bytes, const QString& FileName);
    // Readies TheAnimatorBox to play the loaded bytes (hidden until the
    // opener shows it). False when they cannot be played.
    bool loadAnimation();

    // Applies what the fitting decided: size, scroll bars and their ranges.
    void applyFit(const FitResult& fit);

    void HScroll1_Change(int Value);
    void VScroll1_Change(int Value);
    void Picture1_MouseUp(Qt::MouseButton Button, const QPoint& globalAt);
    void xfile1_Click(int Index);
    void xfiler_Click(int Index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    void Save_Picture();
    void placeScrollBars();
    QWidget* corner_ = nullptr; // covers the picture where the two bars meet
    QSize visible_; // the part of the picture shown at a time, left of and above the bars
    QByteArray bytes_;  // the picture's file as it was fetched
    QString fileName_;  // its name in the data folder
};

// Closes every open picture window (shut-down).
void closePictureWindows();
