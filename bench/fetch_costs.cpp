// Prints what two fetches cost, each from a local web server: the memory that
// a 32 MiB reply to the version check adds at its peak (in MB of resident
// memory), and the buoy window's "Get Data" on a 320,000-line page none of
// whose IDs is built in (its wall-clock time and the longest stretch in which
// no window event ran, in milliseconds).
// The memory figure comes first: memory that earlier work freed could take in
// the reply unseen.

#include "buoy_report_page.h"
#include "process_figures.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/buoy_window.h"
#include "pages/info_windows.h"
#include "pages/version_check.h"
#include "settings/source_addresses.h"
#include "support/local_http_server.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>

namespace {

constexpr int kBuoyLines = 320000;
constexpr qint64 kVersionReplyBytes = 32 * 1024 * 1024;

// A local web server in a thread of its own: its work is not taken for the
// program's.
class ServerThread : public QThread {
public:
    explicit ServerThread(std::function<void(LocalHttpServer&)> routes) : routes_(std::move(routes)) {}
    ~ServerThread() override
    {
        quit();
        wait();
    }
    // Starts the server; its address root, empty when it does not listen.
    QString serve()
    {
        start();
        return ready_.tryAcquire(1, 10000) ? root_ : QString();
    }

protected:
    void run() override
    {
        LocalHttpServer server;
        const bool listening = server.listen();
        if (listening) {
            routes_(server);
            root_ = server.url(QString());
        }
        ready_.release();
        if (listening)
            exec();
    }

private:
    std::function<void(LocalHttpServer&)> routes_;
    QSemaphore ready_;
    QString root_;
};

void print(const char* figure, double value)
{
    std::printf("%s\t%.1f\n", figure, value);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    // The program folder and the settings in a scratch folder, and no screen.
    const QTemporaryDir scratch;
    const QString home = scratch.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    // The options dialog, loaded with the main window, ends the program without it.
    QFile::copy(QStringLiteral(CORVANE_DATA_DIR "/States_Cities.cvd"), home + QStringLiteral("/States_Cities.cvd"));
    qputenv("CORVANE_HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toUtf8());
    qputenv("CORVANE_UNATTENDED", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));

    const QByteArray buoyPage = buoyReportPage(kBuoyLines).toLatin1();
    ServerThread server([&](LocalHttpServer& routes) {
        HttpReply versionReply = HttpReply::of(HttpReply::Mode::Stream);
        versionReply.streamBytes = kVersionReplyBytes;
        routes.route("/version.nfo", versionReply);
        routes.route("/BuoyReportSite/wx/buoydata/curr/all.html", HttpReply::text(buoyPage));
    });
    const QString root = server.serve();
    if (root.isEmpty()) {
        std::fprintf(stderr, "no local server\n");
        return 1;
    }
    sites::redirectSites(root);

    form1(); // holds the version check's transfer control
    print("version check, 32 MiB reply: peak memory added (MB)",
          peakGrowthMegabytes([&] { Get_Version_File(root + QStringLiteral("/version.nfo")); }));

    form1().BouyInfo->trigger();
    Form11& buoys = form11();
    const Stretches getData = stretches([&] { buoys.Command1_Click(0); });
    print("buoy window's Get Data, 320,000 lines (ms)", getData.whole);
    print("the same, longest time without window events (ms)", getData.longest);
    if (buoys.List1->count() != kBuoyLines)
        std::fprintf(stderr, "the buoy window lists %d stations, not %d\n", buoys.List1->count(), kBuoyLines);

    releaseAllForms();
    return 0;
}
