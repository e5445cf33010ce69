#include "platform/file_writes.h"

#include "mainwindow/form1.h"
#include "options/options_dialog.h"
#include "pages/buoy_window.h"
#include "pages/info_windows.h"
#include "pages/pages_test_support.h"
#include "pages/text_viewer.h"
#include "pictures/picture_saving.h"
#include "platform/inet_control.h"
#include "platform/settings_store.h"
#include "platform/text_files.h"
#include "settings/connection.h"
#include "settings/icon_definitions.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "settings/user_lists.h"
#include "support/failing_writes.h"

#include <QAction>
#include <QDirIterator>
#include <QListWidget>
#include <QPixmap>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>

namespace {

// Every program writer, each made to write over a file that holds "old content".
class FailingDisk : public PagesTest {
protected:
    struct Writer {
        QString file;                // relative to the program folder
        std::function<bool()> write; // true when the failure reached the caller or the user
    };

    std::vector<Writer> writers()
    {
        server.route("/BuoyReportSite/wx/buoydata/curr/all.html", HttpReply::text("<PRE>\nReports: 0\n", "text/html"));
        server.route("/radar.gif", HttpReply::bytes("GIF89a new"));
        return {
            {"CRVN.ini", [this] { addWatchEntry(form2().List3, "Texas - DALLAS", true);
                                  return !Save_Settings() && told(); }},
            {"CVIcons.cvd", [this] { program().IconName = {"HAIL"};
                                     return !Save_IconDefs() && told(); }},
            {"LocalRadar.cvd", [this] { return !writeLocalRadar(path("LocalRadar.cvd"), {{"Home", "http://x/a.gif", "NO"}}, nullptr); }},
            {"WebSites.cvd", [this] { return !writeWebSites(path("WebSites.cvd"), {{"News", "http://x/"}}, nullptr); }},
            {"saved.gif", [this] { return savePicture(path("saved.gif"), {}, "GIF89a", "a.gif") == SaveOutcome::NotWritten; }},
            {"saved.txt", [this] { saveAnswer = SaveFileChoice{path("saved.txt"), "Text Files (*.txt)"};
                                   answer = MsgResult::Yes; // replace it
                                   form4().setText("Today");
                                   form4().mnuSave_Click();
                                   answer = MsgResult::Ok;
                                   const bool asked = !messages.empty() && messages[0].text.contains("already exists");
                                   if (asked)
                                       messages.erase(messages.begin());
                                   return asked && told(); }},
            {"Buoy/BuoyData.cvd", [this] { form1().BouyInfo->trigger();
                                           form11().Command1_Click(0);
                                           return told(); }},
            {"data/radar.gif", [this] { InetControl inet;
                                        inet.setAccessType(InetControl::icDirect);
                                        return downloadToDataFolder(inet, server.url("/radar.gif"), "radar.gif")
                                            == DownloadOutcome::NotWritten; }},
            {"Log/CV_Log.txt", [this] { return !appendLines(path("Log/CV_Log.txt"), {QString(9000, 'r'), "half"}); }},
        };
    }

    bool told()
    {
        const bool once = messages.size() == 1 && messages[0].text.contains("could not be saved")
            && messages[0].icon == MsgIcon::Exclamation;
        messages.clear();
        return once;
    }

    QStringList filesBelow() const
    {
        QStringList files;
        QDirIterator it(home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(home()).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    void expectRefusedAndKept(const Writer& writer)
    {
        EXPECT_TRUE(writer.write()) << writer.file.toStdString();
        EXPECT_EQ(readFile(writer.file), "old content") << writer.file.toStdString();
    }
};

} // namespace

TEST_F(FailingDisk, AnInjectedFailureKeepsEveryOldFileAndIsReported)
{
    for (const Writer& writer : writers()) {
        writeFile(writer.file, "old content");
        const QStringList before = filesBelow();
        const FailingWrites failing([&](const QString& target) { return target.endsWith(writer.file); });
        expectRefusedAndKept(writer);
        EXPECT_EQ(filesBelow(), before) << writer.file.toStdString(); // no temporary left behind
    }
    // A file that a failed append created is gone again.
    const FailingWrites failing;
    EXPECT_FALSE(appendLines(path("New_Log.txt"), {"lost"}));
    EXPECT_FALSE(QFile::exists(path("New_Log.txt")));
}

// The program folder on a tmpfs of a few KiB, mounted in a mount namespace of
// the test's own thread, so that nothing outside the test sees it.
TEST_F(FailingDisk, OnARealFullDiskEveryOldFileStaysWhole)
{
    const QByteArray folder = QFile::encodeName(home());
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        GTEST_SKIP() << "no mount namespace of its own for a small file system (needs root): " << std::strerror(errno);
    if (::mount("corvane-full-disk", folder.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here: " << std::strerror(errno);
    const std::vector<Writer> all = writers();
    for (const Writer& writer : all)
        writeFile(writer.file, "old content");
    QFile filler(path("filler")); // takes every free block
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    const QStringList before = filesBelow();
    for (const Writer& writer : all)
        expectRefusedAndKept(writer);
    EXPECT_EQ(filesBelow(), before); // no temporaries
    // With room again the log goes on at a line of its own.
    filler.remove();
    ASSERT_TRUE(appendLines(path("Log/CV_Log.txt"), {"", "next"}));
    EXPECT_EQ(readFile("Log/CV_Log.txt"), "old content\r\nnext\r\n");
    ::umount2(folder.constData(), MNT_DETACH);
}

// ulimit -f: a write past the limit fails, reported, as on a full disk.
TEST_F(FailingDisk, PastTheFileSizeLimitEveryOldFileStaysWhole)
{
    const std::vector<Writer> all = writers();
    for (const Writer& writer : all)
        writeFile(writer.file, "old content");
    const QStringList before = filesBelow();
    const FileSizeLimit limit(1);
    for (const Writer& writer : all)
        expectRefusedAndKept(writer);
    EXPECT_EQ(filesBelow(), before); // no temporaries
}

TEST_F(FailingDisk, StartUpRemovesOnlyTheTemporariesASaveLeaves)
{
    QString temporary; // the one a save makes while its bytes go down
    {
        const FailingWrites failing([&](const QString&) {
            temporary = QDir(home()).entryList({"CRVN.ini.*"}).value(0);
            return true;
        });
        writeLinesSafely(path("CRVN.ini"), {"x"});
    }
    ASSERT_TRUE(isSaveTemporaryName(temporary)) << temporary.toStdString();
    const QStringList stale = {temporary, "WebSites.cvd.corvane-save-000000", "Buoy/BuoyData.cvd.corvane-save-xYz789",
                               "data/radar.gif.corvane-save-qqqqqq"};
    const QStringList kept = {"CRVN.ini", ".corvane-save-a1B2c3", "CRVN.ini.corvane-save-a1B2c", "a.corvane-save-a1B2c34",
                              "a.corvane-save-a1B2c!", "a.txt.tmp", "user.corvane-save-Ab12Cd.txt"};
    for (const QString& file : stale + kept)
        writeFile(file, "x");
    QStringList left = filesBelow();
    for (const QString& file : stale)
        left.removeOne(file);
    ASSERT_TRUE(SaveSetting("EMail", "Site1", "pop.example")); // the store's folder too
    QFile storeTemporary(settingsStorePath() + ".corvane-save-Ab12Cd");
    ASSERT_TRUE(storeTemporary.open(QIODevice::WriteOnly));
    removeStaleSaveTemporaries();
    EXPECT_EQ(filesBelow(), left);
    EXPECT_FALSE(storeTemporary.exists());
    EXPECT_EQ(GetSetting("EMail", "Site1", "?"), "pop.example");
}
