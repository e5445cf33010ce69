#pragma once
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pictures/map_urls.h"
#include "pictures/picture_window.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "support/local_http_server.h"
#include "support/test_pictures.h"
#include "test_support.h"

#include <QApplication>

// A sandbox whose catalogue sites all lie on a local server ("/<site>/...")
// that answers every other path with a small animated GIF.
class PictureTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        ASSERT_TRUE(server.listen());
        sites::redirectSites(server.url(""));
        Load_Map_URLs();
        server.setFallback(HttpReply::bytes(animatedGif(QSize(40, 30), 2), "image/gif"));
        form1();
    }

    // The window opened last, or nullptr.
    Form5* newest() const
    {
        const auto& windows = program().Pictures.PicWindows;
        return windows.empty() ? nullptr : windows[0].data();
    }

    // Picture windows on the screen; only those of the title when one is given.
    static int shownPictures(const QString& title = QString())
    {
        int shown = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            shown += qobject_cast<Form5*>(window) && window->isVisible()
                && (title.isNull() || window->windowTitle() == title);
        return shown;
    }

    // Picture windows that exist at all (shown, hidden or closing).
    static int existingPictures()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int existing = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            existing += qobject_cast<Form5*>(window) != nullptr;
        return existing;
    }

    QByteArray lastPath() const
    {
        return server.requests().isEmpty() ? QByteArray() : server.requests().last().path;
    }

    LocalHttpServer server;
};
