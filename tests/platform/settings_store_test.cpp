#include "platform/settings_store.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/ini_text.h"
#include "platform/tray_icons.h"
#include "settings/settings_record.h"
#include "support/failing_writes.h"
#include "test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <functional>
#include <sys/stat.h>

namespace {

class SettingsStoreTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        installShipped("States_Cities.cvd");
    }

    static QByteArray storeBytes()
    {
        QFile file(settingsStorePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    static QStringList storeFolder()
    {
        return QDir(QFileInfo(settingsStorePath()).path()).entryList(QDir::Files | QDir::Hidden);
    }

    std::string said() const { return messageTexts().join(" | ").toStdString(); }
};

// Values that need quotes, escapes or UTF-8 in the store's file; the
// scrambled passwords are characters from U+0080 to U+00FF.
const QStringList kAwkwardValues = {
    "", "plain", " leading", "trailing ", "a, b", "x=y;z", "say \"hi\"", R"(C:\dir\file)", "@at", "@@two",
    "tab\tline\nreturn\r", QString(QChar(1)) + "1f", "\x7f", QString::fromUtf8("Zürich – ☂"),
    QString::fromLatin1("\x8f\x9a\xe1\xff"), QString(QChar(0xD83D)) + QChar(0xDE00)};

// What QSettings makes of the file as it is now.
QString readByQSettings(const QString& storeFile, int copy, const QString& key)
{
    const QString copied = QString("%1.%2").arg(storeFile).arg(copy); // a path QSettings has not cached
    QFile::copy(storeFile, copied);
    return QSettings(copied, QSettings::IniFormat).value(key, "(missing)").toString();
}

} // namespace

// The file stays one that QSettings reads, and files that QSettings wrote are
// read, and kept whole by a later save.
TEST_F(SettingsStoreTest, ValuesKeepTheirTextBetweenTheStoreAndQSettings)
{
    const QStringList names = {"Internet Time Out", "Log It 1", "a/b", "100%", QString::fromUtf8("Ünïcode ☂")};
    auto key = [&](int i) { return names[i % names.size()] + QString::number(i); };
    for (int i = 0; i < kAwkwardValues.size(); ++i)
        ASSERT_TRUE(SaveSetting("Internet", key(i), kAwkwardValues[i]));
    for (int i = 0; i < kAwkwardValues.size(); ++i)
        EXPECT_EQ(readByQSettings(settingsStorePath(), i, "Internet/" + key(i)), kAwkwardValues[i]) << i;

    const QString written = path("written.conf");
    {
        QSettings qt(written, QSettings::IniFormat);
        for (int i = 0; i < kAwkwardValues.size(); ++i)
            qt.setValue("EMail/" + key(i), kAwkwardValues[i]);
        qt.setValue("outside", "any section"); // under [General]
        qt.setValue("General/inside", "a section of that name");
    }
    ASSERT_TRUE(QFile::remove(settingsStorePath()));
    ASSERT_TRUE(QFile::copy(written, settingsStorePath()));
    for (int i = 0; i < kAwkwardValues.size(); ++i)
        EXPECT_EQ(GetSetting("EMail", key(i), "(missing)"), kAwkwardValues[i]) << i;
    EXPECT_EQ(GetSetting("General", "inside", "(missing)"), "a section of that name");
    EXPECT_EQ(GetSetting("General", "outside", "(missing)"), "(missing)");

    ASSERT_TRUE(SaveSetting("EMail", "Site1", "pop.example"));
    ASSERT_TRUE(DeleteSettings("EMail", {"Site1", "never there"}));
    const QStringList keys = QSettings(written, QSettings::IniFormat).allKeys();
    ASSERT_EQ(keys.size(), kAwkwardValues.size() + 2);
    for (int i = 0; i < keys.size(); ++i)
        EXPECT_EQ(readByQSettings(settingsStorePath(), 100 + i, keys[i]),
                  QSettings(written, QSettings::IniFormat).value(keys[i]).toString())
            << keys[i].toStdString();
}

// A store file edited by hand or by another program (CR line ends, a
// byte-order mark, a line continued with "\", an empty key) is read whole,
// and a save keeps every key it held.
TEST_F(SettingsStoreTest, ASaveKeepsEveryKeyOfAFileWrittenElsewhere)
{
    const QByteArray before = "\xEF\xBB\xBF[Sources]\rRadar=http://x/r.gif\r[EMail]\rSite1=pop.\\\r\nx\r=empty\r";
    QDir().mkpath(QFileInfo(settingsStorePath()).path());
    QFile file(settingsStorePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();
    EXPECT_EQ(GetSetting("Sources", "Radar", "(missing)"), "http://x/r.gif");
    EXPECT_EQ(GetSetting("EMail", "Site1", "(missing)"), "pop.x");

    ASSERT_TRUE(SaveSetting("Settings", "PopUp", "1"));
    IniValues expected = parseIni(before);
    expected.insert("Settings/PopUp", "1");
    EXPECT_EQ(parseIni(storeBytes()), expected);
    EXPECT_EQ(expected.size(), 4);
    EXPECT_EQ(readByQSettings(settingsStorePath(), 0, "Sources/Radar"), "http://x/r.gif");
}

// Every save of the store, made while its file cannot be replaced: it is
// larger than the file-size limit, which the settings file CRVN.ini is not.
TEST_F(SettingsStoreTest, EverySaveThatFailsSaysSoAndLeavesTheStoreAsItWas)
{
    constexpr rlim_t kLimit = 2048;
    ASSERT_TRUE(SaveSetting("Padding", "Text", QString(2 * kLimit, 'p')));
    const QString failure = "Your settings could not be saved to " + settingsStorePath()
        + " (File too large).\nThe settings saved before are unchanged.";
    struct Save {
        const char* name;
        std::function<void(Form2&)> act;
        QStringList asked;       // the questions it asks first
        QStringList savedReport; // what it says when the store was written
    };
    const std::vector<Save> saves = {
        {"Save Site Info",
         [](Form2& options) {
             options.Text3[0]->setText("pop.new");
             options.Text3[1]->setText("you");
             options.Text3[2]->setText("newpass");
             options.Command5_Click();
         },
         {}, {"The E-Mail Site Info has been saved!"}},
        {"Save Password & User",
         [](Form2& options) {
             options.ProxyUser->setText("walker");
             options.ProxyPassword->setText("pa55");
             options.Command9_Click();
         },
         {}, {"Password setting has been saved."}},
        {"Delete Site", [](Form2& options) { options.Command8_Click(); }, {"Are you sure?"}, {}},
        {"File > Save Settings", [](Form2&) { form1().SaveS->trigger(); }, {}, {}},
        {"Save & No Refresh", [](Form2& options) { options.Command1_Click(4); }, {}, {}},
        {"Digital Display Color", [](Form2& options) { options.Option6_Click(2); }, {}, {}},
    };
    for (const Save& save : saves) {
        SCOPED_TRACE(save.name);
        ASSERT_TRUE(SaveSettings({{"EMail", "Site1", "pop.old"}, {"EMail", "Name1", "me"}, {"EMail", "Pass1", "x"},
                                  {"Proxy", "Username", "old"}}));
        releaseAllForms();
        Form2& options = form2();
        const QByteArray bytes = storeBytes();
        const QStringList folder = storeFolder();
        messages.clear();
        {
            const FileSizeLimit limit(kLimit);
            save.act(options);
        }
        EXPECT_EQ(said(), (QStringList(save.asked) << failure).join(" | ").toStdString());
        EXPECT_EQ(messages.back().icon, MsgIcon::Exclamation);
        EXPECT_EQ(storeBytes(), bytes);
        EXPECT_EQ(storeFolder(), folder); // no temporary left
        // Once the file can be written, the same save is made and said.
        messages.clear();
        save.act(options);
        EXPECT_EQ(said(), (save.asked + save.savedReport).join(" | ").toStdString());
        EXPECT_NE(storeBytes(), bytes);
    }
}

// The store holds passwords: only its owner may read it, whichever save
// writes it, also while its bytes go down; a store that others could read
// is closed to them at the next save, even one that changes nothing.
TEST_F(SettingsStoreTest, OnlyItsOwnerMayReadTheStore)
{
    const QString store = settingsStorePath();
    auto mode = [](const QString& file) {
        struct stat info {};
        return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_mode & 07777 : 07777;
    };
    QList<mode_t> whileWritten;
    const FailingWrites watching([&](const QString& target) {
        const QDir folder = QFileInfo(target).dir();
        for (const QString& temporary : folder.entryList({"Corvane.conf.corvane-save-*"}, QDir::Files | QDir::Hidden))
            whileWritten << mode(folder.filePath(temporary));
        return false;
    });
    const struct {
        const char* name;
        mode_t before; // 0: no store yet
        std::function<bool()> save;
    } saves[] = {
        {"a new store", 0, [] { return SaveSetting("EMail", "Pass1", "x"); }},
        {"a changed value", 0644, [] { return SaveSetting("EMail", "Pass1", "y"); }},
        {"a value as it was", 0644, [] { return SaveSetting("EMail", "Pass1", "y"); }},
        {"a key deleted", 0666, [] { return DeleteSettings("EMail", {"Pass1"}); }},
        {"the settings, with CRVN.ini", 0640, [] { return Save_Settings(); }},
        {"the owner's own", 0600, [] { return SaveSetting("Proxy", "Password", "z"); }},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(save.name);
        if (save.before == 0)
            QFile::remove(store);
        else
            ASSERT_EQ(::chmod(QFile::encodeName(store).constData(), save.before), 0);
        ASSERT_TRUE(save.save());
        EXPECT_EQ(mode(store), 0600u);
    }
    ASSERT_GE(whileWritten.size(), 5);
    EXPECT_EQ(whileWritten, QList<mode_t>(whileWritten.size(), 0600));
}
