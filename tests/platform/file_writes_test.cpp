#include "platform/file_writes.h"

#include "mainwindow/form1.h"
#include "options/options_dialog.h"
#include "pages/buoy_window.h"
#include "pages/info_windows.h"
#include "pages/pages_test_support.h"
#include "pages/text_viewer.h"
#include "pictures/picture_saving.h"
#include "platform/inet_control.h"
#include "platform/text_files.h"
#include "settings/connection.h"
#include "settings/icon_definitions.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "settings/user_lists.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QPixmap>
#include <functional>

namespace {

// Every file below the program folder, by path relative to it.
QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

struct FailingWrites {
    explicit FailingWrites(std::function<bool(const QString&)> fails) { setWriteFailureForTesting(std::move(fails)); }
    ~FailingWrites() { setWriteFailureForTesting({}); }
};

// One of the program's writers: what it replaces, and how it is made to
// write there. `write` returns whether the failure reached the caller or
// the user.
struct Writer {
    const char* name;
    QString file; // relative to the program folder
    std::function<bool()> write;
};

class EveryWriter : public PagesTest {
protected:
    bool toldOnce(const char* words) const
    {
        return messages.size() == 1 && messages[0].text.contains(QLatin1String(words))
            && messages[0].icon == MsgIcon::Exclamation;
    }

    void run(const Writer& writer)
    {
        writeFile(writer.file, "old content");
        const QStringList before = filesBelow(home());
        QStringList seenDuringWrite;
        const FailingWrites failing([&](const QString& target) {
            seenDuringWrite = filesBelow(home());
            return target.endsWith(writer.file);
        });
        EXPECT_TRUE(writer.write()) << writer.name;
        EXPECT_EQ(readFile(writer.file), "old content") << writer.name;
        EXPECT_EQ(filesBelow(home()), before) << writer.name; // no temporary left behind
        // The temporary that was there while the bytes went down is one the
        // next start would remove.
        QStringList temporaries;
        for (const QString& file : seenDuringWrite)
            if (!before.contains(file))
                temporaries << file;
        ASSERT_EQ(temporaries.size(), 1) << writer.name;
        EXPECT_TRUE(temporaries[0].startsWith(writer.file)) << writer.name;
        EXPECT_TRUE(isSaveTemporaryName(QFileInfo(temporaries[0]).fileName())) << writer.name;
    }
};

} // namespace

TEST_F(EveryWriter, AWriteThatFailsKeepsTheOldFileAndIsReported)
{
    const QByteArray page = "<PRE>\nOffshore Data at 18Z 14APR99\nReports: 0\n</PRE>\n";
    server.route("/BuoyReportSite/wx/buoydata/curr/all.html", HttpReply::text(page, "text/html"));
    server.route("/radar.gif", HttpReply::bytes("GIF89a new"));

    const Writer writers[] = {
        {"settings", "CRVN.ini",
         [this] {
             addWatchEntry(form2().List3, "Texas - DALLAS", true);
             return !Save_Settings() && toldOnce("could not be saved");
         }},
        {"icon definitions", "CVIcons.cvd",
         [this] {
             program().IconName = {"HAIL"};
             program().IconCategory = {6};
             return !Save_IconDefs() && toldOnce("could not be saved");
         }},
        {"radar list", "LocalRadar.cvd",
         [this] {
             QString error;
             return !writeLocalRadar(path("LocalRadar.cvd"), {{"Home", "http://x/a.gif", "NO"}}, &error)
                 && !error.isEmpty();
         }},
        {"web sites", "WebSites.cvd",
         [this] {
             QString error;
             return !writeWebSites(path("WebSites.cvd"), {{"News", "http://x/"}}, &error) && !error.isEmpty();
         }},
        {"saved picture", "saved.gif",
         [this] {
             return savePicture(path("saved.gif"), QPixmap(), "GIF89a", "radar.gif") == SaveOutcome::NotWritten;
         }},
        {"saved text", "saved.txt",
         [this] {
             saveAnswer = SaveFileChoice{path("saved.txt"), "Text Files (*.txt)"};
             form4().setText("Today");
             form4().mnuSave_Click();
             return toldOnce("could not be saved");
         }},
        {"buoy page", "Buoy/BuoyData.cvd",
         [this] {
             form1().BouyInfo->trigger();
             form11().Command1_Click(0);
             return toldOnce("could not be saved");
         }},
        {"download", "data/radar.gif",
         [this] {
             InetControl inet;
             inet.setAccessType(InetControl::icDirect);
             return !downloadToDataFolder(inet, server.url("/radar.gif"), "radar.gif");
         }},
    };
    for (const Writer& writer : writers) {
        messages.clear();
        run(writer);
    }
}

TEST_F(EveryWriter, AFailedAppendLeavesTheLogAsItWas)
{
    ASSERT_TRUE(appendLines(path("CV_Log.txt"), {"first"}));
    {
        const FailingWrites failing([](const QString&) { return true; });
        QString error;
        EXPECT_FALSE(appendLines(path("CV_Log.txt"), {QString(5000, 'x'), "half"}, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(appendLines(path("New_Log.txt"), {"lost"}));
    }
    ASSERT_TRUE(appendLines(path("CV_Log.txt"), {"third"}));
    EXPECT_EQ(readFile("CV_Log.txt"), "first\r\nthird\r\n");
    EXPECT_FALSE(QFile::exists(path("New_Log.txt"))); // a file the failed append made is gone again
}

TEST(SaveTemporaries, OnlyTheProgramsOwnAreRecognised)
{
    const std::pair<const char*, bool> names[] = {
        {"CRVN.ini.corvane-save-a1B2c3", true},
        {"LocalRadar.cvd.corvane-save-ZZZZZZ", true},
        {".corvane-save-a1B2c3", false},          // no file it belongs to
        {"CRVN.ini.corvane-save-a1B2c", false},   // tag too short
        {"CRVN.ini.corvane-save-a1B2c34", false}, // tag too long
        {"CRVN.ini.corvane-save-a1B2c!", false},
        {"CRVN.ini.corvane-save-", false},
        {"CRVN.ini", false},
        {"CRVN.ini.tmp", false},
        {"CRVN.ini.abc123", false},
        {"notes.corvane-backup-a1B2c3", false},
    };
    for (const auto& [name, ours] : names)
        EXPECT_EQ(isSaveTemporaryName(name), ours) << name;
}

TEST_F(EveryWriter, StartUpRemovesStaleTemporariesAndNothingElse)
{
    // What a save killed half-way leaves, beside the files that stay.
    const QStringList stale = {"CRVN.ini.corvane-save-Ab12Cd", "WebSites.cvd.corvane-save-000000",
                               "Buoy/BuoyData.cvd.corvane-save-xYz789", "data/radar.gif.corvane-save-qqqqqq"};
    const QStringList kept = {"CRVN.ini", "notes.txt.tmp", "Log/CV_Log.txt.corvane-save-Ab12Cd",
                              "user.corvane-save-Ab12Cd.txt"};
    for (const QString& file : stale + kept)
        writeFile(file, "x");
    const QStringList before = filesBelow(home());
    removeStaleSaveTemporaries();
    QStringList left = before;
    for (const QString& file : stale)
        left.removeOne(file);
    EXPECT_EQ(filesBelow(home()), left);
    EXPECT_EQ(removeStaleSaveTemporaries(home()), 0);
}
