#include "update/active_alerts.h"

#include "support/samples.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

struct MadeAlert {
    QString areas, description;
    const char *status = "Actual", *sender = "NWS Fort Worth TX";
};

// An answer of the alerts service with one alert per entry.
QByteArray answerWith(std::initializer_list<MadeAlert> alerts)
{
    QJsonArray features;
    for (const auto& [areas, description, status, sender] : alerts) {
        const QJsonObject properties{{"areaDesc", areas},       {"description", description},
                                     {"status", status},        {"senderName", sender},
                                     {"event", "Flood Warning"}, {"instruction", QJsonValue()}};
        features.append(QJsonObject{{"type", "Feature"}, {"properties", properties}});
    }
    return QJsonDocument(QJsonObject{{"type", "FeatureCollection"}, {"features", features}}).toJson();
}

} // namespace

TEST(ActiveAlerts, LampAndAlertFromEveryKindOfAnswer)
{
    struct Case {
        const char* name;
        QByteArray answer;
        const char* place;
        ColorValue lamp;
        bool alert;
        int alerts;
    } cases[] = {
        {"Montana, two advisories for mountains", sampleBytes("alerts-active-MT-2024-03-05.json"), "BOZEMAN", kRed,
         false, 2},
        {"Hawaii, surf warning naming islands only", sampleBytes("alerts-active-HI-2024-03-14.json"), "LIHUE", kRed,
         false, 1},
        {"Hawaii, Kona in the areas", sampleBytes("alerts-active-HI-2026-09-25-excerpt.json"), "KONA", kRed, true, 1},
        {"Hawaii, Honolulu only as the office that issues the next statement",
         sampleBytes("alerts-active-HI-2026-09-25-excerpt.json"), "HONOLULU", kRed, false, 1},
        {"Hawaii, Hilo not named", sampleBytes("alerts-active-HI-2026-09-25-excerpt.json"), "HILO", kRed, false, 1},
        {"Texas, nothing in effect", sampleBytes("alerts-active-TX-2024-05-none.json"), "DALLAS", kGreen, false, 0},
        {"error body", sampleBytes("alerts-error-500-2021.json"), "DALLAS", kButtonFaceColor, false, 0},
        {"error body, older form", sampleBytes("alerts-error-500-2020.json"), "DALLAS", kButtonFaceColor, false, 0},
        {"cut-off answer", sampleBytes("alerts-active-MT-2024-03-05.json").left(900), "BOZEMAN", kButtonFaceColor,
         false, 0},
        {"page not found", "<html><h1>404 Not Found</h1></html>", "DALLAS", kButtonFaceColor, false, 0},
        {"empty answer", "", "DALLAS", kButtonFaceColor, false, 0},
        {"features not a list", R"({"features": {"properties": {}}})", "DALLAS", kButtonFaceColor, false, 0},
        {"a feature without properties", R"({"features": [1]})", "DALLAS", kButtonFaceColor, false, 0},
        {"two-word place in the description",
         answerWith({{"Tarrant; Johnson", "Flooding in Arlington and Fort\nWorth.", "Actual"}}), "FORT WORTH", kRed,
         true, 1},
        {"county of another two-word place", answerWith({{"Fort Bend, TX", "Flooding.", "Actual"}}), "FORT WORTH",
         kRed, false, 1},
        {"place only inside a longer name", answerWith({{"Duval", "Flooding in Jacksonville.", "Actual"}}), "JACKSON",
         kRed, false, 1},
        {"the state's county of the same name", answerWith({{"Iowa, IA", "Flooding.", "Actual"}}), "IOWA CITY", kRed,
         false, 1},
        {"place in another case", answerWith({{"Collin; Dallas, TX", "Storms.", "Actual"}}), "DALLAS", kRed, true, 1},
        {"place with marks inside", answerWith({{"Kootenai (Coeur d'Alene)", "Snow.", "Actual"}}), "COEUR D'ALENE",
         kRed, true, 1},
        {"place spelled with a full stop", answerWith({{"St. Louis, MO", "Heat.", "Actual"}}), "ST LOUIS", kRed,
         true, 1},
        {"typographic apostrophe", answerWith({{"Kootenai (Coeur d’Alene)", "Snow.", "Actual"}}), "COEUR D'ALENE",
         kRed, true, 1},
        {"en dash", answerWith({{"Forsyth", "Ice in Winston–Salem.", "Actual"}}), "WINSTON-SALEM", kRed, true, 1},
        {"a test message only", answerWith({{"Dallas, TX", "This is a test.", "Test"}}), "DALLAS", kGreen, false, 0},
        {"the issuing office's name",
         answerWith({{"Rankin, MS", "The National Weather Service in Jackson has issued a\n\n* Tornado Warning for...",
                      "Actual", "NWS Jackson MS"}}),
         "JACKSON", kRed, false, 1},
        {"the office's two-word name in capitals across a line end",
         answerWith({{"Polk, IA", "THE NATIONAL WEATHER\nSERVICE IN DES MOINES HAS ISSUED A FLOOD WATCH.", "Actual",
                      "NWS Des Moines IA"}}),
         "DES MOINES", kRed, false, 1},
        {"the office's name with its state's code",
         answerWith({{"Butler, KS", "Issued by the National Weather Service in Wichita KS.", "Actual",
                      "NWS Wichita KS"}}),
         "WICHITA", kRed, false, 1},
        {"the office named as the sender",
         answerWith({{"Rankin, MS", "Next statement by NWS Jackson MS.", "Actual", "NWS Jackson MS"}}), "JACKSON",
         kRed, false, 1},
        {"the office's place named again",
         answerWith({{"Mobile Inland", "The National Weather Service in Mobile has issued a warning for Mobile.",
                      "Actual", "NWS Mobile AL"}}),
         "MOBILE", kRed, true, 1},
        {"mobile homes", answerWith({{"Baldwin Inland", "Mobile homes will be damaged. Secure a mobile home."}}),
         "MOBILE", kRed, false, 1},
        {"mobile homes and the place",
         answerWith({{"Baldwin Inland", "Mobile homes near Mobile will be damaged."}}), "MOBILE", kRed, true, 1},
        {"the place right after the office's name",
         answerWith({{"Rankin, MS", "By NWS Jackson MS Jackson will flood.", "Actual", "NWS Jackson MS"}}),
         "JACKSON", kRed, true, 1},
        {"the place before the office's name",
         answerWith({{"Rankin, MS", "Jackson. The National Weather Service in Jackson", "Actual", "NWS Jackson MS"}}),
         "JACKSON", kRed, true, 1},
        {"the office's name after thousands of words",
         answerWith({{"Rankin, MS", QString("a ").repeated(5000) + "National Weather Service in Jackson", "Actual",
                      "NWS Jackson MS"}}),
         "JACKSON", kRed, false, 1},
        {"the office's name repeated, then the place",
         answerWith({{"Rankin, MS", QString("NWS Jackson MS ").repeated(500) + "Storms near Jackson", "Actual",
                      "NWS Jackson MS"}}),
         "JACKSON", kRed, true, 1},
        {"a sender whose name cannot hold the place",
         answerWith({{"Rankin, MS", "Dallas " + QString("a ").repeated(5000), "Actual", "a"}}), "DALLAS", kRed,
         true, 1},
        {"alerts with nothing in them",
         R"({"features": [{"properties": {}}, {"properties": {"event": " ", "senderName": "NWS Dallas TX"}}]})",
         "DALLAS", kRed, false, 0},
        // A key given twice: the last value, as QJsonDocument reads it.
        {"the list of alerts given twice",
         R"({"features": [{"properties": {"areaDesc": "Dallas, TX"}}], "features": []})", "DALLAS", kGreen, false, 0},
        {"an alert's properties given twice",
         R"({"features": [{"properties": {"areaDesc": "Dallas, TX"}, "properties": {"areaDesc": "Harris, TX"}}]})",
         "DALLAS", kRed, false, 1},
        {"an alert's properties given twice, the last a test message",
         R"({"features": [{"properties": {"areaDesc": "Dallas, TX"},)"
         R"( "properties": {"areaDesc": "Dallas, TX", "status": "Test"}}]})",
         "DALLAS", kGreen, false, 0},
        {"an alert's areas given twice",
         R"({"features": [{"properties": {"areaDesc": "Dallas, TX", "areaDesc": "Harris, TX"}}]})", "DALLAS", kRed,
         false, 1},
        // Whatever the first value was: one that would be no answer on its own.
        {"the list of alerts given as null, then as a list",
         R"({"features": null, "features": [{"properties": {"areaDesc": "Dallas, TX"}}]})", "DALLAS", kRed, true, 1},
        {"the list of alerts given as a word and an object, then as a list",
         R"({"features": "none", "features": {"properties": {}}, "features": []})", "DALLAS", kGreen, false, 0},
        {"an alert's properties given as null, then as properties",
         R"({"features": [{"properties": null, "properties": {"areaDesc": "Dallas, TX"}}]})", "DALLAS", kRed, true,
         1},
        {"the list of alerts given as a list, then as null",
         R"({"features": [{"properties": {"areaDesc": "Dallas, TX"}}], "features": null})", "DALLAS",
         kButtonFaceColor, false, 0},
        {"the list of alerts given as null, then cut off",
         R"({"features": null, "features": [{"properties": {"areaDesc": "Dallas, TX"}})", "DALLAS",
         kButtonFaceColor, false, 0},
    };
    for (const Case& c : cases) {
        const AlertsAnswer answer = readActiveAlerts(c.answer);
        const WarningState state = warningsFor(answer, c.place);
        EXPECT_EQ(state.lamp, c.lamp) << c.name;
        EXPECT_EQ(state.alert, c.alert) << c.name;
        EXPECT_EQ(answer.alerts.size(), c.alerts) << c.name;
    }
}

TEST(ActiveAlerts, WordsNamingNoPlaceForEachFormOfSender)
{
    const QString longestSender = "NWS " + QString("a").repeated(248) + " MS"; // 256 characters
    const QString longSender = QString("a ").repeated(31'999) + "b"; // 32,000 words
    const QString blankSender = "NWS a" + QString(256 * 1024, ' ') + "b";
    struct Case {
        const char* name;
        QStringList senders;
        QString text;
        QStringList spans; // the text in each span, in order
    } const cases[] = {
        {"the office, its name and its state's code", {"NWS Jackson MS"},
         "The National Weather Service in Jackson has issued... Next statement by NWS Jackson MS.",
         {"National Weather Service in Jackson", "NWS Jackson MS"}},
        {"blanks around and between the words", {" NWS \t Des  Moines\nIA "},
         "National Weather Service in DES MOINES", {"National Weather Service in DES MOINES"}},
        {"no state's code", {"NWS Jackson"}, "National Weather Service in Jackson",
         {"National Weather Service in Jackson"}},
        {"a state's code in small letters is part of the name", {"NWS Jackson ms"},
         "National Weather Service in Jackson; National Weather Service in Jackson ms",
         {"National Weather Service in Jackson ms"}},
        {"a state's code alone is the name", {"NWS MS"}, "National Weather Service in MS",
         {"National Weather Service in MS"}},
        {"a name across a line break", {"NWS Jack\nson MS"}, "National Weather Service in Jack son", {}},
        {"no blank after NWS", {"NWSJackson MS"}, "National Weather Service in Jackson", {}},
        {"another form of sender", {"National Weather Service Jackson MS"}, "National Weather Service in Jackson", {}},
        {"mobile homes, and no sender", {}, "Mobile homes and a mobile\nhome.", {"Mobile homes", "mobile\nhome"}},
        {"two offices", {"NWS Mobile AL", "NWS Jackson MS"}, "NWS Jackson MS and NWS Mobile AL",
         {"NWS Jackson MS", "NWS Mobile AL"}},
        {"the longest where two end together", {"NWS Jackson MS", "Jackson MS"}, "By NWS Jackson MS",
         {"NWS Jackson MS"}},
        {"a sender that starts again within itself", {"a a b"}, "a a a b", {"a a b"}},
        {"a break within the sender", {"Fort, Worth"}, "Fort Fort, Worth; Fort, Fort Worth", {"Fort, Worth"}},
        {"the longest name of a sender", {longestSender}, "By " + longestSender, {longestSender}},
        // A longer one is no office's name.
        {"a sender of 32,000 words", {longSender}, "a " + longSender + " b", {}},
        {"a sender of 256 KB of blanks", {blankSender}, "the National Weather Service in A B has issued", {}},
    };
    for (const Case& c : cases) {
        QStringList spans;
        PhraseFinder(phrasesNamingNoPlace(c.senders)).find(c.text, [&](const PlaceSpan& span) {
            spans << c.text.mid(span.start, span.length);
            return true;
        });
        EXPECT_EQ(spans, c.spans) << c.name;
    }
}
