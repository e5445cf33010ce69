// Prints what the update's warning checks cost with large alerts answers:
// five stations of one state are checked one after the other, as one update
// does, against an answer served on 127.0.0.1 by a child process. For each
// answer, measured in a fresh process, it prints the wall-clock time of the
// five checks, the longest stretch in which window events could not run,
// and how far the process's peak memory rose above what it held before the
// checks; then the longest stretch of the next update's checks, which find
// memory that the first one used and gave back.
//
// The answers: one alert whose areas run to 33 MB (under the 32 MiB bound of
// a reply) for Texas, 100,000 alerts of 160 bytes each (16 MB) for Oklahoma,
// and two crafted alerts that name Dallas in their description: one from a
// sender of 32,000 words that the description nearly repeats, for
// Mississippi, and one from a sender of 256 KB, "NWS a", blanks and "b", for
// Alabama. Last, answers of 1, 4 and 16 MB of one alert whose sender, "a a
// a ... b", fills half the answer, and whose description repeats the
// sender's words but its last, then names the five places (Georgia, Florida,
// Tennessee). For every answer the first station's check is timed alone too.
//
// Then, the same way, the state's warnings window ("Weather Warning") of a
// station with 8,000 alerts in Louisiana, each from a sender of its own: the
// time it takes to show them with the place selected, and the peak memory
// added; and the window of each of the 1, 4 and 16 MB answers.
//
// Last, answers shaped to cost per line, per sender or per alert, at several
// sizes: for the window, one alert whose description is "Dallas" and then
// "\na" to the end, alerts each from a sender of its own of 250 characters
// ("NWS w<i> a a ... TX") that say "Flooding near Dallas.", and alerts with
// nothing in them; for the update's checks, alerts from one sender of 256
// characters that names Dallas, whose description is the sender and " has
// issued a warning.", one alert from sender "a" whose description is "Dallas
// a a a ...", and again alerts with nothing in them.

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "pages/state_warnings.h"
#include "pages/text_viewer.h"
#include "platform/color_values.h"
#include "platform/settings_store.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "support/local_http_server.h"
#include "update/uv_and_warning_checks.h"
#include "process_figures.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kStations = 5;
const char* const kPlaces[kStations] = {"DALLAS", "HOUSTON", "AUSTIN", "EL PASO", "FORT WORTH"};

QByteArray hugeAreas()
{
    const QByteArray zones = "Harris; Fort Bend; Brazoria; Galveston; Chambers; Liberty; Montgomery; Waller; ";
    QByteArray answer = R"({"type": "FeatureCollection", "features": [{"properties": {"status": "Actual",)"
                        R"( "event": "Flood Watch", "description": "Heavy rain.", "areaDesc": ")";
    answer += zones.repeated(33'000'000 / zones.size());
    return answer + R"("}}]})";
}

// An answer of `features`, alerts separated by commas.
QByteArray featureList(const QByteArray& features)
{
    return R"({"type": "FeatureCollection", "features": [)" + features + "]}";
}

QByteArray manyAlerts()
{
    // 160 bytes each, the comma between two included.
    const QByteArray alert = R"({"properties": {"status": "Actual", "event": "Flood Warning", "areaDesc": )"
                             R"("Harris, TX", "description": "Flooding along Buffalo Bayou near Katy and Fulshear."}})";
    QByteArray features = (alert + ",").repeated(100'000);
    features.chop(1);
    return featureList(features);
}

// One alert from `sender` whose description names `places` after
// `descriptionStart`.
QByteArray alertFrom(const QByteArray& sender, const QByteArray& descriptionStart,
                     const QByteArray& places = "Dallas")
{
    return R"({"type": "FeatureCollection", "features": [{"properties": {"status": "Actual",)"
           R"( "event": "Tornado Warning", "areaDesc": "Rankin", "senderName": ")"
        + sender + R"(", "description": ")" + descriptionStart + places + R"(."}}]})";
}

QByteArray longSender()
{
    return alertFrom(QByteArray("a ").repeated(31'999) + "b", QByteArray("a ").repeated(32'000));
}

QByteArray blankSender()
{
    return alertFrom("NWS a" + QByteArray(256 * 1024, ' ') + "b", "Storms near ");
}

// An answer of `megabytes` MB: its sender "a a a ... b" fills half of it,
// and the description repeats the sender's words but its last, then names
// the five places.
QByteArray halfSender(int megabytes)
{
    const int words = megabytes * 1'000'000 / 4;
    return alertFrom(QByteArray("a ").repeated(words - 1) + "b", QByteArray("a ").repeated(words),
                     "Dallas, Houston, Austin, El Paso and Fort Worth");
}

struct SizedAnswer {
    int megabytes;
    const char *name, *state, *code;
};
const SizedAnswer kHalfSenders[] = {
    {1, "a sender of half the answer, 1 MB", "Georgia", "GA"},
    {4, "a sender of half the answer, 4 MB", "Florida", "FL"},
    {16, "a sender of half the answer, 16 MB", "Tennessee", "TN"},
};

QByteArray manySenders()
{
    QByteArray features;
    for (int i = 0; i < 8'000; ++i) {
        features += R"({"properties": {"status": "Actual", "event": "Flood Warning", "senderName": "NWS Office )"
            + QByteArray::number(i) + R"( LA", "areaDesc": "Harris", "description": "Flooding near Dallas."}},)";
    }
    features.chop(1);
    return featureList(features);
}

// `alert` repeated to an answer of about `megabytes` MB.
QByteArray repeatedAlert(const QByteArray& alert, int megabytes)
{
    QByteArray features = (alert + ",").repeated(megabytes * 1'000'000 / (alert.size() + 1));
    features.chop(1);
    return featureList(features);
}

QByteArray shortLines(int megabytes)
{
    return alertFrom("NWS Fort Worth TX", "", "Dallas" + QByteArray("\\na").repeated(megabytes * 1'000'000 / 3));
}

QByteArray ownSenders(int megabytes)
{
    QByteArray features;
    for (int i = 0; features.size() < megabytes * 1'000'000; ++i) {
        QByteArray sender = "NWS w" + QByteArray::number(i);
        sender += QByteArray(" a").repeated((250 - 3 - sender.size()) / 2);
        sender = sender.leftJustified(247, ' ') + " TX";
        features += R"({"properties": {"status": "Actual", "senderName": ")" + sender
            + R"(", "description": "Flooding near Dallas."}},)";
    }
    features.chop(1);
    return featureList(features);
}

QByteArray emptyAlerts(int megabytes)
{
    return repeatedAlert(R"({"properties":{}})", megabytes);
}

QByteArray senderNamingDallas(int megabytes)
{
    const QByteArray sender = ("NWS Dallas" + QByteArray(" a").repeated(121)).leftJustified(253, ' ') + " TX";
    return repeatedAlert(R"({"properties": {"status": "Actual", "senderName": ")" + sender
                             + R"(", "description": ")" + sender + R"( has issued a warning."}})",
                         megabytes);
}

QByteArray dallasThenA(int megabytes)
{
    return alertFrom("a", "", "Dallas" + QByteArray(" a").repeated(megabytes * 1'000'000 / 2));
}

void measure(const char* name, const QString& state, const QString& code);
void measureWindow(const char* name, const QString& state, const QString& code);

struct CraftedShape {
    const char* name;
    QByteArray (*answer)(int megabytes);
    void (*measurement)(const char*, const QString&, const QString&);
    std::initializer_list<int> megabytes;
};
const CraftedShape kCraftedShapes[] = {
    {"warnings window, one alert of short lines", shortLines, measureWindow, {1, 4, 16}},
    {"warnings window, a sender of its own for each alert", ownSenders, measureWindow, {1, 4, 16}},
    {"warnings window, empty alerts", emptyAlerts, measureWindow, {1, 4, 16}},
    {"alerts from one sender naming Dallas", senderNamingDallas, measure, {1, 4, 16, 32}},
    {"one alert from sender a, Dallas a a a ...", dallasThenA, measure, {1, 4, 16, 32}},
    {"empty alerts", emptyAlerts, measure, {1, 4, 16, 32}},
};

// The states that the crafted answers are served for, one for each answer.
const char* const kCraftedStates[][2] = {
    {"Arizona", "AZ"},  {"Arkansas", "AR"},      {"California", "CA"},    {"Colorado", "CO"},
    {"Idaho", "ID"},    {"Illinois", "IL"},      {"Indiana", "IN"},       {"Iowa", "IA"},
    {"Kansas", "KS"},   {"Kentucky", "KY"},      {"Maine", "ME"},         {"Maryland", "MD"},
    {"Michigan", "MI"}, {"Minnesota", "MN"},     {"Missouri", "MO"},      {"Nebraska", "NE"},
    {"Nevada", "NV"},   {"New Mexico", "NM"},    {"North Dakota", "ND"},  {"Ohio", "OH"},
    {"Oregon", "OR"},   {"South Dakota", "SD"},  {"Utah", "UT"},          {"Virginia", "VA"},
};

// Each crafted answer with its state, in the order of kCraftedShapes.
template <typename Use> void forEachCraftedAnswer(Use use)
{
    int state = 0;
    for (const CraftedShape& shape : kCraftedShapes) {
        for (const int megabytes : shape.megabytes) {
            use(shape, megabytes, kCraftedStates[state][0], kCraftedStates[state][1]);
            ++state;
        }
    }
}

// Serves the answers from a child process, so that its copies of them
// count in no figure; its port, or 0 when it could not start.
quint16 startServer(int argc, char** argv)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return 0;
    if (fork() == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        QCoreApplication app(argc, argv);
        LocalHttpServer server;
        server.route("/alerts/active?area=TX", HttpReply::text(hugeAreas(), "application/geo+json"));
        server.route("/alerts/active?area=OK", HttpReply::text(manyAlerts(), "application/geo+json"));
        server.route("/alerts/active?area=MS", HttpReply::text(longSender(), "application/geo+json"));
        server.route("/alerts/active?area=AL", HttpReply::text(blankSender(), "application/geo+json"));
        server.route("/alerts/active?area=LA", HttpReply::text(manySenders(), "application/geo+json"));
        for (const SizedAnswer& sized : kHalfSenders)
            server.route(QByteArray("/alerts/active?area=") + sized.code,
                         HttpReply::text(halfSender(sized.megabytes), "application/geo+json"));
        forEachCraftedAnswer([&](const CraftedShape& shape, int megabytes, const char*, const char* code) {
            server.route(QByteArray("/alerts/active?area=") + code,
                         HttpReply::text(shape.answer(megabytes), "application/geo+json"));
        });
        quint16 port = server.listen() ? server.port() : 0;
        if (write(pipeEnds[1], &port, sizeof port) != sizeof port || port == 0)
            _exit(1);
        _exit(app.exec());
    }
    quint16 port = 0;
    if (read(pipeEnds[0], &port, sizeof port) != sizeof port)
        return 0;
    return port;
}

// The stations' report address in a state.
QString reportUrl(const QString& code)
{
    return QStringLiteral("http://127.0.0.1/product.php?site=NWS&issuedby=%1&product=RWR").arg(code);
}

void measure(const char* name, const QString& state, const QString& code)
{
    for (int i = 0; i < kStations; ++i) {
        program().SlotURL[i] = reportUrl(code);
        form1().Label2[i]->setText(QString::fromLatin1(kPlaces[i]));
    }

    // One update's checks: their time, the longest stall among them and the
    // time of the first station's.
    double firstStation = 0;
    const auto update = [&] {
        clearWarningsCache(); // as each update begins
        return stretches([&] {
            for (int i = 0; i < kStations; ++i) {
                const Stretches one =
                    stretches([&] { Check_Warnings(i, 0, state + QStringLiteral(" - ") + kPlaces[i]); });
                if (i == 0)
                    firstStation = one.whole;
            }
        });
    };
    Stretches first;
    const double grown = peakGrowthMegabytes([&] { first = update(); });
    const double firstStationOfFirst = firstStation;
    const double nextStall = update().longest;

    if (backColor(form1().S_Warning[kStations - 1]) != kRed)
        std::fprintf(stderr, "%s: the alerts were not read\n", name);
    std::printf("%s, one station (ms)\t%.0f\n", name, firstStationOfFirst);
    std::printf("%s, five stations (ms)\t%.0f\n", name, first.whole);
    std::printf("%s, longest stall (ms)\t%.0f\n", name, first.longest);
    std::printf("%s, peak memory above start (MB)\t%.0f\n", name, grown);
    std::printf("%s, the next update's longest stall (ms)\t%.0f\n", name, nextStall);
    std::fflush(stdout);
}

// The warnings window of the first station, Dallas.
void measureWindow(const char* name, const QString& state, const QString& code)
{
    program().SlotURL[0] = reportUrl(code);
    form1().Label2[0]->setText(QString::fromLatin1(kPlaces[0]));
    addWatchEntry(form2().List3, state + QStringLiteral(" - ") + kPlaces[0], false);
    Stretches shown;
    const double grown = peakGrowthMegabytes([&] { shown = stretches([] { Show_State_Warnings(0); }); });
    if (form4().Text1->toPlainText().contains(QLatin1String("Dallas"))
        && form4().Text1->textCursor().selectedText() != QLatin1String("Dallas"))
        std::fprintf(stderr, "%s: the place was not selected\n", name);
    std::printf("%s, the window shown (ms)\t%.0f\n", name, shown.whole);
    std::printf("%s, longest stall (ms)\t%.0f\n", name, shown.longest);
    std::printf("%s, peak memory above start (MB)\t%.0f\n", name, grown);
    std::fflush(stdout);
}

// Measures in a process of its own, which starts from fresh memory as the
// program's first update does.
void measureApart(int argc, char** argv, const QString& service,
                  void (*measurement)(const char*, const QString&, const QString&), const char* name,
                  const QString& state, const QString& code)
{
    const pid_t child = fork();
    if (child == 0) {
        QApplication app(argc, argv);
        SaveSetting(QStringLiteral("Sources"), QStringLiteral("alertsService"), service);
        measurement(name, state, code);
        releaseAllForms();
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home, config;
    qputenv("CORVANE_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("CORVANE_UNATTENDED", "1");
    QFile::copy(QStringLiteral(CORVANE_SOURCE_DIR "/data/States_Cities.cvd"), home.filePath("States_Cities.cvd"));
    const quint16 port = startServer(argc, argv);
    if (port == 0) {
        std::fprintf(stderr, "the server of the answers did not start\n");
        return 1;
    }
    const QString service = QStringLiteral("http://127.0.0.1:%1").arg(port);
    measureApart(argc, argv, service, measure, "one alert, 33 MB of areas", QStringLiteral("Texas"),
                 QStringLiteral("TX"));
    measureApart(argc, argv, service, measure, "100,000 alerts, 16 MB", QStringLiteral("Oklahoma"),
                 QStringLiteral("OK"));
    measureApart(argc, argv, service, measure, "a sender of 32,000 words", QStringLiteral("Mississippi"),
                 QStringLiteral("MS"));
    measureApart(argc, argv, service, measure, "a sender of 256 KB of blanks", QStringLiteral("Alabama"),
                 QStringLiteral("AL"));
    for (const SizedAnswer& sized : kHalfSenders)
        measureApart(argc, argv, service, measure, sized.name, QString::fromLatin1(sized.state),
                     QString::fromLatin1(sized.code));
    measureApart(argc, argv, service, measureWindow, "warnings window, 8,000 senders", QStringLiteral("Louisiana"),
                 QStringLiteral("LA"));
    for (const SizedAnswer& sized : kHalfSenders)
        measureApart(argc, argv, service, measureWindow,
                     QByteArray("warnings window, ").append(sized.name).constData(),
                     QString::fromLatin1(sized.state), QString::fromLatin1(sized.code));
    forEachCraftedAnswer([&](const CraftedShape& shape, int megabytes, const char* state, const char* code) {
        const QByteArray name = QByteArray(shape.name) + ", " + QByteArray::number(megabytes) + " MB";
        measureApart(argc, argv, service, shape.measurement, name.constData(), QString::fromLatin1(state),
                     QString::fromLatin1(code));
    });
    return 0;
}
