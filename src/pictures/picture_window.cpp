#include "pictures/picture_window.h"

#include "pictures/fit_viewer.h"
#include "pictures/picture_printing.h"
#include "pictures/picture_saving.h"
#include "platform/program_folder.h"
#include "platform/user_dialogs.h"
#include "settings/program_state.h"

#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QPrinter>
#include <QScrollBar>

namespace {
const char* const kPrintCaptions[8] = {"Print 200%", "Print 175%", "Print 150%", "Print 125%",
                                       "Print 100%", "Print 75%",  "Print 50%",  "Print 25%"};

QScrollBar* scrollBar(Qt::Orientation orientation, QWidget* parent)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(0, 0);
    bar->setSingleStep(10);
    bar->hide();
    return bar;
}
} // namespace

Form5::Form5(QWidget* parent)
    : QWidget(parent, Qt::Window), visible_(kVisibleWidth, kVisibleHeight)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form5"));
    resize(kDesignWidth, kDesignHeight);

    Picture1 = new QLabel(this);
    Picture1->move(0, 0);
    Picture1->installEventFilter(this);
    TheAnimatorBox = new QLabel(Picture1);
    TheAnimatorBox->move(0, 0);
    TheAnimatorBox->setAttribute(Qt::WA_TransparentForMouseEvents); // the menu still answers
    TheAnimatorBox->hide();

    HScroll1 = scrollBar(Qt::Horizontal, this);
    VScroll1 = scrollBar(Qt::Vertical, this);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form5::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::VScroll1_Change);
    corner_ = new QWidget(this);
    corner_->setAutoFillBackground(true);
    placeScrollBars();

    xfile = new QMenu(QStringLiteral("&File"), this);
    nextra = xfile->addMenu(QStringLiteral("Print"));
    for (int i = 0; i < 8; ++i) {
        xfile1[i] = nextra->addAction(QLatin1String(kPrintCaptions[i]));
        connect(xfile1[i], &QAction::triggered, this, [this, i] { xfile1_Click(i); });
    }
    xfiler[0] = xfile->addAction(QStringLiteral("Save"));
    xfiler[1] = xfile->addAction(QStringLiteral("Exit"));
    for (int i = 0; i < 2; ++i)
        connect(xfiler[i], &QAction::triggered, this, [this, i] { xfiler_Click(i); });
}

bool Form5::loadPicture(const QByteArray& bytes, const QString& FileName)
{
    QPixmap picture;
    if (!picture.loadFromData(bytes))
        return false;
    Picture1->setPixmap(picture);
    Picture1->resize(picture.size());
    bytes_ = bytes;
    fileName_ = FileName;
    return true;
}

bool Form5::loadAnimation()
{
    auto* buffer = new QBuffer(this);
    buffer->setData(bytes_);
    auto* movie = new QMovie(buffer, QByteArray(), this);
    if (!movie->isValid() || !movie->jumpToFrame(0))
        return false;
    TheAnimatorBox->setMovie(movie);
    TheAnimatorBox->resize(movie->currentImage().size());
    movie->start();
    return true;
}

void Form5::applyFit(const FitResult& fit)
{
    visible_ = QSize(fit.visibleWidth, fit.visibleHeight);
    HScroll1->setRange(0, std::max(0, fit.hMax));
    HScroll1->setPageStep(fit.visibleWidth);
    HScroll1->setValue(0);
    VScroll1->setRange(0, std::max(0, fit.vMax));
    VScroll1->setPageStep(fit.visibleHeight);
    VScroll1->setValue(0);
    HScroll1->setVisible(fit.hVisible);
    VScroll1->setVisible(fit.vVisible);
    resize(fit.clientWidth, fit.clientHeight);
    placeScrollBars();
}

// The horizontal bar runs under the visible area and the vertical bar beside
// it; where both show, a corner square closes the gap between them.
void Form5::placeScrollBars()
{
    const int w = visible_.width(), h = visible_.height();
    HScroll1->setGeometry(0, h, w, kScrollBarThickness);
    VScroll1->setGeometry(w, 0, kScrollBarThickness, h);
    corner_->setGeometry(w, h, kScrollBarThickness, kScrollBarThickness);
    corner_->setVisible(HScroll1->isVisibleTo(this) && VScroll1->isVisibleTo(this));
    HScroll1->raise();
    VScroll1->raise();
    corner_->raise();
}

// The bars' values are pixels of the picture, the window's own scale.
void Form5::HScroll1_Change(int Value)
{
    Picture1->move(-Value, Picture1->y());
}

void Form5::VScroll1_Change(int Value)
{
    Picture1->move(Picture1->x(), -Value);
}

bool Form5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        Picture1_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form5::Picture1_MouseUp(Qt::MouseButton Button, const QPoint& globalAt)
{
    if (Button == Qt::RightButton)
        xfile->popup(globalAt);
}

void Form5::xfile1_Click(int Index)
{
    if (printScale(Index) == 0.0)
        return;
    std::unique_ptr<QPrinter> printer = defaultPrinter();
    if (!printer) {
        MsgBox(QStringLiteral("There is no printer to print on."), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (printPicture(*printer, Picture1->pixmap(), Index).isEmpty())
        MsgBox(QStringLiteral("The picture could not be printed."), MsgButtons::Ok, MsgIcon::Exclamation);
}

void Form5::xfiler_Click(int Index)
{
    if (Index == 0)
        Save_Picture();
    else if (Index == 1)
        close();
}

// The window may be closed, and deleted, while the dialog waits for the
// user: the save works on copies taken before it and touches no member after.
void Form5::Save_Picture()
{
    const QPixmap shown = Picture1->pixmap();
    if (shown.isNull())
        return;
    const QByteArray bytes = bytes_;
    const QString fileName = fileName_;
    SaveFileRequest request;
    request.title = QStringLiteral("Save As");
    request.filters = saveFilters(fileName);
    request.selectedFilter = preselectedSaveFilter();
    request.startPath = programFolder();
    const std::optional<SaveFileChoice> choice = chooseSaveFile(request);
    if (!choice)
        return;
    switch (savePicture(choice->path, shown, bytes, fileName)) {
    case SaveOutcome::Saved:
        break;
    case SaveOutcome::UnknownEnding:
        MsgBox(QStringLiteral("Pictures are saved as .bmp, .gif or .jpg files: nothing was saved."),
               MsgButtons::Ok, MsgIcon::Exclamation);
        break;
    case SaveOutcome::NotWritten:
        MsgBox(QStringLiteral("The picture could not be saved to ") + choice->path, MsgButtons::Ok,
               MsgIcon::Exclamation);
        break;
    }
}

void Form5::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

void Form5::Form_Unload()
{
    PictureWindows& pictures = program().Pictures;
    pictures.PicCount = std::max(0, pictures.PicCount - 1);
    bool numeric = false;
    const int slot = Tag.toInt(&numeric);
    if (numeric && slot >= 0 && slot < static_cast<int>(pictures.PicWindows.size()))
        pictures.PicWindows[slot] = nullptr;
}

void closePictureWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* picture = qobject_cast<Form5*>(window))
            picture->close();
    }
}
