// The program run as a separate process, the way the desktop starts and ends
// it: a second copy is refused, the signals of a log-out close it through its
// normal shut-down, also while it waits for a mailbox, a file-size limit
// does not end it, and an update whose page fails logs nothing.
#include "platform/text_files.h"
#include "platform/waits.h"
#include "settings/settings_file.h"
#include "settings/string_routines.h"
#include "settings/version.h"
#include "support/fake_pop3_server.h"
#include "support/local_http_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

namespace {

constexpr double kStartSeconds = 30.0; // the splash alone stays three seconds
// Room for a busy machine, and still half the minute that a mailbox's step may take.
constexpr double kEndSeconds = 30.0;

// The empty watch list opens the options dialog as the last step of the
// start-up; unattended, the program reports it on standard error.
const QString kStartedUp = QStringLiteral("Corvane Options: shown");

// One copy of the program, unattended, with standard error collected.
class ProgramCopy {
public:
    explicit ProgramCopy(const QProcessEnvironment& environment)
    {
        process_.setProgram(QStringLiteral(CORVANE_BINARY_DIR "/corvane"));
        process_.setProcessEnvironment(environment);
        process_.setStandardInputFile(QProcess::nullDevice());
        process_.setStandardOutputFile(QProcess::nullDevice());
    }

    // Starts it under a file-size limit (ulimit -f) of this many bytes.
    void limitFileSize(rlim_t bytes)
    {
        process_.setChildProcessModifier([bytes] {
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = bytes;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }

    bool start()
    {
        process_.start();
        return process_.waitForStarted(static_cast<int>(kEndSeconds * 1000));
    }

    QString errors()
    {
        errors_ += QString::fromLocal8Bit(process_.readAllStandardError());
        return errors_;
    }

    bool waitForErrorText(const QString& text, double seconds)
    {
        return waitUntil([&] { return errors().contains(text) || !running(); }, seconds) && errors().contains(text);
    }

    bool waitForEnd(double seconds)
    {
        return waitUntil([&] { return !running(); }, seconds);
    }

    bool running() const { return process_.state() != QProcess::NotRunning; }
    void sendSignal(int signalNumber) { ::kill(static_cast<pid_t>(process_.processId()), signalNumber); }
    bool endedNormally() const { return process_.exitStatus() == QProcess::NormalExit; }
    int exitCode() const { return process_.exitCode(); }

private:
    QProcess process_; // its destructor kills a copy that a failed test left running
    QString errors_;
};

class ProgramProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The one data file without which the program does not start.
        ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANE_DATA_DIR "/States_Cities.cvd"),
                                home_.path() + QStringLiteral("/States_Cities.cvd")));
    }

    // Every copy of one test shares the program folder, the settings store
    // and the runtime folder that holds the single-copy lock.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CORVANE_HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("CORVANE_UNATTENDED"), QStringLiteral("1"));
        return environment;
    }

    QString configPath(const QString& relative) const { return config_.path() + QLatin1Char('/') + relative; }

    bool lockFileExists() const { return QFile::exists(runtime_.path() + QStringLiteral("/corvane.lock")); }

    QString homeFile(const QString& name) const { return home_.path() + QLatin1Char('/') + name; }

    void store(const QString& section, const QString& key, const QString& value) const
    {
        QSettings(config_.path() + QStringLiteral("/Corvane/Corvane.conf"), QSettings::IniFormat)
            .setValue(section + QLatin1Char('/') + key, value);
    }

    // Dallas alone is watched, its page at `pages`, where the other services
    // are asked too; the mail is checked after each update, at `accounts`
    // mailboxes of `mail` (user1, user2... with the password "pw"). `record`
    // brings the test's own settings.
    void watchDallas(const LocalHttpServer& pages, FakePop3Server& mail, int accounts, SettingsRecord record) const
    {
        ASSERT_TRUE(QFile::remove(homeFile(QStringLiteral("States_Cities.cvd"))));
        ASSERT_TRUE(writeLinesSafely(homeFile(QStringLiteral("States_Cities.cvd")),
                                     {"[US States/Cities]", "Texas", pages.url("/tx.txt"), "DALLAS", "[END]"}));
        record.version = versionText();
        record.watchList = {{QStringLiteral("Texas - DALLAS"), /*logIt=*/true}};
        record.menuFlags[FlagIgnoreUV] = record.menuFlags[FlagIgnoreWarnings] = true;
        record.ckMail = true;
        ASSERT_TRUE(writeLinesSafely(homeFile(QStringLiteral("CRVN.ini")), composeSettings(record).fileLines));
        for (const char* source : {"homePage", "uvBulletin", "alertsService"})
            store(QStringLiteral("Sources"), QLatin1String(source), pages.url(""));
        for (int n = 1; n <= accounts; ++n) {
            const QString user = QStringLiteral("user%1").arg(n);
            mail.addMailbox(user.toLatin1(), "pw");
            QString password = QStringLiteral("pw");
            store(QStringLiteral("EMail"), QStringLiteral("Site%1").arg(n), mail.host());
            store(QStringLiteral("EMail"), QStringLiteral("Name%1").arg(n), user);
            store(QStringLiteral("EMail"), QStringLiteral("Pass%1").arg(n), Flip_Bits(password));
        }
    }

    void expectClosedNormallyBy(ProgramCopy& copy, int signalNumber)
    {
        copy.sendSignal(signalNumber);
        ASSERT_TRUE(copy.waitForEnd(kEndSeconds)) << "still running after signal " << signalNumber;
        EXPECT_TRUE(copy.endedNormally()) << "signal " << signalNumber << " killed it";
        EXPECT_EQ(copy.exitCode(), 0);
        EXPECT_FALSE(lockFileExists()) << "the single-copy lock was left behind";
    }

private:
    QTemporaryDir home_, config_, runtime_;
};

} // namespace

TEST_F(ProgramProcessTest, ASecondCopySaysSoOnceAndEndsWhileTheFirstRunsOn)
{
    ProgramCopy first(environment());
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(first.waitForErrorText(kStartedUp, kStartSeconds)) << first.errors().toStdString();
    EXPECT_TRUE(lockFileExists());

    ProgramCopy second(environment());
    ASSERT_TRUE(second.start());
    ASSERT_TRUE(second.waitForEnd(kEndSeconds));
    EXPECT_TRUE(second.endedNormally());
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.errors().count(QStringLiteral("Program Aready Running!")), 1);
    EXPECT_TRUE(second.errors().contains(QStringLiteral("Corvane: Program Aready Running!")));
    EXPECT_FALSE(second.errors().contains(kStartedUp)) << "the refused copy went on loading";

    EXPECT_TRUE(first.running());
    EXPECT_TRUE(lockFileExists());
    expectClosedNormallyBy(first, SIGTERM);
}

class ProgramSignalTest : public ProgramProcessTest, public ::testing::WithParamInterface<int> {};

// The first start opens the options dialog modally; once it has been
// answered, the signal closes the program as its Exit command does.
TEST_P(ProgramSignalTest, EndsTheProgramThroughItsNormalShutDown)
{
    ProgramCopy copy(environment());
    ASSERT_TRUE(copy.start());
    ASSERT_TRUE(copy.waitForErrorText(kStartedUp, kStartSeconds)) << copy.errors().toStdString();
    expectClosedNormallyBy(copy, GetParam());
}

INSTANTIATE_TEST_SUITE_P(LogOutSignals, ProgramSignalTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

// The start-up's update checks three mailboxes, a minute allowed for each
// step; the server holds its answer to the first one's STAT. The signal
// ends the program at once all the same.
TEST_F(ProgramProcessTest, ASignalDuringAMailCheckEndsTheProgramAtOnce)
{
    LocalHttpServer pages;
    ASSERT_TRUE(pages.listen());
    pages.route("/tx.txt", HttpReply::text("<pre></pre>"));
    FakePop3Server mail;
    ASSERT_TRUE(mail.listen());
    mail.answer("STAT", "");
    ASSERT_NO_FATAL_FAILURE(watchDallas(pages, mail, 3, SettingsRecord()));
    store(QStringLiteral("Internet"), QStringLiteral("Internet Time Out"), QStringLiteral("60"));

    ProgramCopy copy(environment());
    ASSERT_TRUE(copy.start());
    ASSERT_TRUE(waitUntil([&] { return mail.commands().contains("STAT") || !copy.running(); }, kStartSeconds)
                && copy.running())
        << "the check never waited: " << copy.errors().toStdString();
    expectClosedNormallyBy(copy, SIGTERM);
    EXPECT_EQ(mail.connectionCount(), 1);
}

// The start-up's update reads Dallas; the minute timer's update, a minute
// later, finds the page's server failing. The log has Dallas's readings from
// the first and a record without a report from the second: its row shows
// the earlier readings, which are no new observation. Each update ends with
// a mail check, which tells the test that the update's log has been written.
TEST_F(ProgramProcessTest, AnUpdateWhosePageFailsLogsTheStationWithoutAReport)
{
    // The second comes a minute after the start; the bound stays under the
    // test runner's own, so that a missing update is reported, not killed.
    constexpr double kTwoUpdatesSeconds = 110.0;
    LocalHttpServer pages;
    ASSERT_TRUE(pages.listen());
    bool failing = false;
    pages.route("/tx.txt", [&failing](const HttpRequestRecord&) {
        if (failing)
            return HttpReply::of(HttpReply::Mode::CloseWithoutAnswer);
        return HttpReply::text("<pre>\r\nDALLAS         SUNNY    80   50   35  N5       30.00S  HAZE\r\n</pre>");
    });
    FakePop3Server mail;
    ASSERT_TRUE(mail.listen());
    mail.onCommand([&failing](const QByteArray&) { failing = true; });
    SettingsRecord record;
    record.menuFlags[FlagAuto] = true;
    record.interval = 9; // every minute
    record.logFile = record.compressed = 1;
    ASSERT_NO_FATAL_FAILURE(watchDallas(pages, mail, 1, record));

    ProgramCopy copy(environment());
    ASSERT_TRUE(copy.start());
    ASSERT_TRUE(waitUntil([&] { return mail.connectionCount() >= 2 || !copy.running(); }, kTwoUpdatesSeconds)
                && copy.running())
        << "no second update: " << copy.errors().toStdString();
    QFile log(homeFile(QStringLiteral("Log/CV_Log.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList records = QString::fromLatin1(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(records.size(), 2) << records.join('\n').toStdString();
    EXPECT_TRUE(records[0].startsWith("|Texas - DALLAS|")) << records[0].toStdString();
    EXPECT_TRUE(records[0].contains("|SUNNY|80|")) << records[0].toStdString();
    EXPECT_TRUE(records[1].startsWith("|Texas - DALLAS|")) << records[1].toStdString();
    EXPECT_TRUE(records[1].endsWith("|NOT AVBL||||||NR||")) << records[1].toStdString();
    expectClosedNormallyBy(copy, SIGTERM);
}

// The first start stores the windows' places; under a limit that the store's
// file passes, those writes fail and the program goes on.
TEST_F(ProgramProcessTest, WritesPastAFileSizeLimitFailWithoutEndingTheProgram)
{
    const QString storeFile = configPath(QStringLiteral("Corvane/Corvane.conf"));
    ASSERT_TRUE(QDir().mkpath(configPath(QStringLiteral("Corvane"))));
    const QByteArray old = "[Padding]\nText=" + QByteArray(4096, 'p') + '\n';
    QFile file(storeFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();

    ProgramCopy copy(environment());
    copy.limitFileSize(2048);
    ASSERT_TRUE(copy.start());
    ASSERT_TRUE(copy.waitForErrorText(kStartedUp, kStartSeconds)) << copy.errors().toStdString();
    expectClosedNormallyBy(copy, SIGTERM);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(configPath(QStringLiteral("Corvane"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Corvane.conf")}); // no temporary left
}
