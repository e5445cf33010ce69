#include "pictures/picture_window.h"

#include "picture_fixture.h"
#include "pictures/fit_viewer.h"
#include "pictures/picture_fetch.h"
#include "pictures/picture_printing.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cmath>

TEST_F(PictureTest, ScrollBarsMoveThePictureToItsFarEdges)
{
    server.route("/big.png", HttpReply::bytes(stillPicture(QSize(3000, 2000), "PNG")));
    Get_Picture(server.url("/big.png"), "Big");
    Form5* window = newest();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->HScroll1->isVisible());
    ASSERT_TRUE(window->VScroll1->isVisible());
    EXPECT_EQ(window->HScroll1->maximum(), 3000 - kVisibleWidth);
    EXPECT_EQ(window->VScroll1->maximum(), 2000 - kVisibleHeight);
    window->HScroll1->setValue(window->HScroll1->maximum());
    window->VScroll1->setValue(window->VScroll1->maximum());
    // The picture's far corner meets the visible area's.
    EXPECT_EQ(window->Picture1->geometry().right() + 1, kVisibleWidth);
    EXPECT_EQ(window->Picture1->geometry().bottom() + 1, kVisibleHeight);

    window->Picture1_MouseUp(Qt::LeftButton, QPoint(5, 5));
    EXPECT_FALSE(window->xfile->isVisible());
    window->Picture1_MouseUp(Qt::RightButton, QPoint(5, 5));
    EXPECT_TRUE(window->xfile->isVisible());
    window->xfile->hide();
}

TEST_F(PictureTest, EachPrintScaleSizesThePictureOnThePage)
{
    QPixmap picture(200, 120);
    picture.fill(Qt::blue);
    QTemporaryDir folder;
    const double scales[8] = {2.0, 1.75, 1.5, 1.25, 1.0, 0.75, 0.5, 0.25};
    for (int index = 0; index < 8; ++index) {
        SCOPED_TRACE(index);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("page%1.pdf").arg(index)));
        const QRect painted = printPicture(printer, picture, index);
        const double dotsPerPixel = printer.resolution() / 96.0;
        EXPECT_EQ(painted.topLeft(), QPoint(0, 0));
        EXPECT_EQ(painted.width(), std::lround(200 * scales[index] * dotsPerPixel));
        EXPECT_EQ(painted.height(), std::lround(120 * scales[index] * dotsPerPixel));
        EXPECT_GT(QFile(printer.outputFileName()).size(), 0);
    }
    QPrinter printer;
    EXPECT_TRUE(printPicture(printer, picture, 8).isEmpty());

    // Through the window: no printer, a printer that fails, and one that works.
    Get_Picture(server.url("/map.gif"), "Map");
    Form5* window = newest();
    ASSERT_NE(window, nullptr);
    window->xfile1[4]->trigger();
    printFile = folder.filePath("missing/folder/page.pdf");
    window->xfile1[4]->trigger();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "There is no printer to print on.");
    EXPECT_EQ(messages[1].text, "The picture could not be printed.");
    printFile = folder.filePath("map.pdf");
    window->xfile1[0]->trigger();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_GT(QFile(printFile).size(), 0);
}

TEST_F(PictureTest, SavingOffersThePicturesOwnTypeAndWritesItsOwnBytes)
{
    const QByteArray gif = animatedGif(QSize(40, 30), 2);
    const QByteArray jpg = stillPicture(QSize(50, 40), "JPG");
    server.route("/sat.gif", HttpReply::bytes(gif));
    server.route("/IR.JPG", HttpReply::bytes(jpg));
    server.route("/map.png", HttpReply::bytes(stillPicture(QSize(60, 40), "PNG")));
    Get_Picture(server.url("/sat.gif"), "Sat");
    Form5* satellite = newest();
    Get_Picture(server.url("/IR.JPG"), "IR"); // the data folder now holds only this one
    Form5* infrared = newest();
    Get_Picture(server.url("/map.png"), "Map");
    Form5* map = newest();
    ASSERT_EQ(shownPictures(), 3);

    const QString all = "All Files (*.*)", bmp = "Bmp Files (*.bmp)";
    const struct {
        const char* what;
        Form5* window;
        const char* name; // chosen in the dialog; nullptr cancels
        QStringList filters;
        QByteArray written; // "BMP" for a bitmap of the picture; empty for nothing
        const char* message;
        QString type = {};             // the file type chosen; bitmaps when empty
        const char* savedAs = nullptr; // the file written, when not the name chosen
    } cases[] = {
        {"gif copy of a GIF shown before a later fetch", satellite, "copy.gif", {all, bmp, "Gif Files (*.gif)"}, gif, ""},
        {"jpg copy", infrared, "copy.JPG", {all, bmp, "Jpg Files (*.jpg)"}, jpg, ""},
        {"bitmap in any case", satellite, "shot.Bmp", {all, bmp, "Gif Files (*.gif)"}, "BMP", ""},
        {"bitmap of a PNG", map, "map.bmp", {all, bmp}, "BMP", ""},
        {"a PNG has no GIF bytes", map, "map.gif", {all, bmp}, "", "The picture could not be saved to "},
        {"unknown ending", satellite, "copy.jpeg", {all, bmp, "Gif Files (*.gif)"}, "",
         "Pictures are saved as .bmp, .gif or .jpg files: nothing was saved."},
        {"cannot write", satellite, "no/such/folder/copy.gif", {all, bmp, "Gif Files (*.gif)"}, "",
         "The picture could not be saved to "},
        {"cancelled", satellite, nullptr, {all, bmp, "Gif Files (*.gif)"}, "", ""},
        {"no extension: the chosen type's", satellite, "sat", {all, bmp, "Gif Files (*.gif)"}, gif, "",
         "Gif Files (*.gif)", "sat.gif"},
        {"no extension, bitmaps", infrared, "ir", {all, bmp, "Jpg Files (*.jpg)"}, "BMP", "", bmp, "ir.bmp"},
        {"no extension, all files", satellite, "plain", {all, bmp, "Gif Files (*.gif)"}, "",
         "Pictures are saved as .bmp, .gif or .jpg files: nothing was saved.", all},
    };
    QTemporaryDir target;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        saveRequests.clear();
        const QString chosen = c.name ? target.filePath(c.savedAs ? c.savedAs : c.name) : QString();
        const SaveFileChoice choice{c.name ? target.filePath(c.name) : QString(), c.type.isEmpty() ? bmp : c.type};
        saveAnswer = c.name ? std::optional<SaveFileChoice>(choice) : std::nullopt;
        c.window->xfiler[0]->trigger();
        ASSERT_EQ(saveRequests.size(), 1u);
        EXPECT_EQ(saveRequests[0].filters, c.filters);
        EXPECT_EQ(saveRequests[0].selectedFilter, bmp);
        EXPECT_EQ(saveRequests[0].startPath, home());
        if (c.written == "BMP") {
            const QImage saved(chosen, "BMP");
            EXPECT_EQ(saved.size(), c.window->Picture1->pixmap().size());
        } else if (!c.written.isEmpty()) {
            QFile file(chosen);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), c.written);
        } else if (c.name) {
            EXPECT_FALSE(QFile::exists(chosen));
        }
        if (*c.message) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_TRUE(messages[0].text.startsWith(c.message)) << messages[0].text.toStdString();
        } else {
            EXPECT_TRUE(messages.empty());
        }
    }
}

TEST_F(PictureTest, AWindowClosedWhileItsSaveAsDialogIsOpenStillSavesItsPicture)
{
    const QByteArray gif = animatedGif(QSize(40, 30), 2);
    server.route("/sat.gif", HttpReply::bytes(gif));
    Get_Picture(server.url("/sat.gif"), "Sat");
    Form5* satellite = newest();
    ASSERT_NE(satellite, nullptr);

    QTemporaryDir target;
    const QString chosen = target.filePath("copy.gif");
    DialogSeam seam;
    seam.message = [this](const MessageRequest& request) {
        messages.push_back(request);
        return MsgResult::Ok;
    };
    seam.saveFile = [&](const SaveFileRequest&) {
        // The program shuts down while the dialog waits: the windows close
        // and are deleted.
        closePictureWindows();
        EXPECT_EQ(existingPictures(), 0);
        return std::optional<SaveFileChoice>(SaveFileChoice{chosen, "Gif Files (*.gif)"});
    };
    setDialogSeam(seam);
    satellite->xfiler_Click(0);

    QFile saved(chosen);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), gif);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(program().Pictures.PicCount, 0);
}
