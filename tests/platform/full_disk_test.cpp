// The program's files on a real file system that runs full.
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/text_files.h"
#include "settings/icon_definitions.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "settings/user_lists.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <cerrno>
#include <cstring>
#include <functional>
#include <sched.h>
#include <sys/mount.h>

namespace {

// A program folder on a tmpfs of a few KiB, mounted in a mount namespace of
// the test's own thread, so that nothing outside the test sees it.
class FullDiskTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        const QByteArray folder = QFile::encodeName(home());
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            GTEST_SKIP() << "no mount namespace of its own for a small file system (needs root): "
                         << std::strerror(errno);
        if (::mount("corvane-full-disk", folder.constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "a small tmpfs cannot be mounted here: " << std::strerror(errno);
        mounted_ = true;
        installShipped("States_Cities.cvd"); // the options dialog needs it to load
    }
    void TearDown() override
    {
        SandboxTest::TearDown();
        if (mounted_)
            ::umount2(QFile::encodeName(home()).constData(), MNT_DETACH);
    }

    // Takes every free block of the file system.
    void fill()
    {
        QFile filler(path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }
    void makeRoom() { ASSERT_TRUE(QFile::remove(path("filler"))); }

private:
    bool mounted_ = false;
};

struct Save {
    const char* file;
    std::function<bool(int round)> save; // true when written
};

} // namespace

TEST_F(FullDiskTest, SavesOnAFullDiskKeepTheOldFilesWholeAndSaySo)
{
    form2();
    QString error;
    const Save saves[] = {
        {"CRVN.ini",
         [](int round) {
             addWatchEntry(form2().List3, QStringLiteral("Texas - CITY%1").arg(round), true);
             return Save_Settings();
         }},
        {"CVIcons.cvd",
         [](int round) {
             program().IconName = {QStringLiteral("HAIL%1").arg(round)};
             program().IconCategory = {6};
             return Save_IconDefs();
         }},
        {"LocalRadar.cvd",
         [&](int round) {
             return writeLocalRadar(path("LocalRadar.cvd"), {{QString::number(round), "http://x/a.gif", "NO"}},
                                    &error);
         }},
        {"WebSites.cvd",
         [&](int round) { return writeWebSites(path("WebSites.cvd"), {{QString::number(round), "http://x/"}}, &error); }},
        {"Log/CV_Log.txt",
         [&](int round) {
             QDir().mkpath(path("Log"));
             return appendLines(path("Log/CV_Log.txt"), {QString(round == 1 ? 9000 : 10, 'r')}, &error);
         }},
    };
    QStringList before;
    for (const Save& save : saves)
        ASSERT_TRUE(save.save(0)) << save.file;
    for (const Save& save : saves)
        before << readFile(save.file);
    const QStringList filesBefore = QDir(home()).entryList(QDir::Files);

    fill();
    messages.clear();
    for (size_t i = 0; i < std::size(saves); ++i) {
        EXPECT_FALSE(saves[i].save(1)) << saves[i].file;
        EXPECT_EQ(readFile(saves[i].file), before[i]) << saves[i].file;
    }
    QStringList filesNow = QDir(home()).entryList(QDir::Files);
    filesNow.removeOne("filler");
    EXPECT_EQ(filesNow, filesBefore) << "no temporaries";
    ASSERT_EQ(messages.size(), 2u); // the settings and the icon definitions tell the user themselves
    for (const MessageRequest& message : messages)
        EXPECT_TRUE(message.text.contains("No space left on device")) << message.text.toStdString();

    // With room again, every save goes through, and the log goes on at a line of its own.
    makeRoom();
    for (const Save& save : saves)
        EXPECT_TRUE(save.save(2)) << save.file;
    EXPECT_EQ(readFile("Log/CV_Log.txt"), before.last() + QString(10, 'r') + "\r\n");
}
