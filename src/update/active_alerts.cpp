#include "update/active_alerts.h"

#include "settings/connection.h"
#include "settings/source_addresses.h"
#include "update/json_reader.h"
#include "update/place_words.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// A blank between the words of a sender's name: a blank, a tab or a line
// break of ASCII.
bool isSenderBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool isCapital(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

// The office's name in the name of an alert's sender: "NWS Jackson MS" and
// "NWS Jackson" give "Jackson"; empty for a sender named otherwise. The name
// runs from the word after "NWS" and its blanks to the end, or to the blanks
// before a closing state code (two capitals); it never runs across a line
// feed, and a sender with a broken character (half a UTF-16 pair) names none.
QString officeName(const QString& senderName)
{
    const QString sender = senderName.trimmed();
    const qsizetype size = sender.size();
    qsizetype start = 3;
    while (start < size && isSenderBlank(sender[start]))
        ++start;
    if (!sender.startsWith(QLatin1String("NWS")) || start == 3 || !QStringView(sender).isValidUtf16())
        return QString();
    qsizetype end = size;
    if (size - 2 > start && isCapital(sender[size - 2]) && isCapital(sender[size - 1])) {
        qsizetype blanks = size - 2;
        while (isSenderBlank(sender[blanks - 1]))
            --blanks;
        if (blanks < size - 2)
            end = blanks;
    }
    const QStringView name = QStringView(sender).sliced(start, end - start);
    return name.contains(u'\n') ? QString() : name.toString();
}

// No office's name is longer: a longer sender's name is passed over.
constexpr qsizetype kLongestSenderName = 256;

// The phrases whose words name no place: "mobile home(s)", and each
// sender's name as it stands and after "National Weather Service in".
QStringList phrasesNamingNoPlace(const QStringList& senderNames)
{
    QStringList phrases{QStringLiteral("mobile home"), QStringLiteral("mobile homes")};
    for (const QString& sender : senderNames) {
        if (sender.size() > kLongestSenderName)
            continue;
        phrases << sender;
        const QString office = officeName(sender);
        if (!office.isEmpty())
            phrases << QStringLiteral("National Weather Service in ") + office;
    }
    return phrases;
}

// One alert's properties into `alert`; `actual` is left false for a test
// message or an exercise.
bool readProperties(JsonReader& json, ActiveAlert& alert, bool& actual)
{
    const std::pair<QByteArrayView, QString ActiveAlert::*> fields[] = {
        {"event", &ActiveAlert::event},
        {"headline", &ActiveAlert::headline},
        {"areaDesc", &ActiveAlert::areas},
        {"description", &ActiveAlert::description},
        {"instruction", &ActiveAlert::instruction},
        {"senderName", &ActiveAlert::sender},
    };
    actual = true;
    return json.readObject([&](QByteArrayView key) {
        if (key == "status") {
            const bool given = json.atString();
            QString status;
            if (!json.readText(status))
                return false;
            actual = !given || status.compare(QLatin1String("Actual"), Qt::CaseInsensitive) == 0;
            return true;
        }
        for (const auto& [name, field] : fields) {
            if (key == name)
                return json.readText(alert.*field);
        }
        return json.skip();
    });
}

// One entry of the answer's "features": the alert in its "properties",
// which it must have (the last, when given twice).
bool readFeature(JsonReader& json, QList<ActiveAlert>& alerts)
{
    bool hasProperties = false;
    std::optional<ActiveAlert> actualAlert;
    const bool read = json.readObject([&](QByteArrayView key) {
        if (key != "properties")
            return json.skip();
        hasProperties = true;
        ActiveAlert alert;
        bool actual = false;
        if (!readProperties(json, alert, actual))
            return false;
        actualAlert = actual ? std::optional(std::move(alert)) : std::nullopt;
        return true;
    });
    if (!read || !hasProperties)
        return false;
    if (actualAlert)
        alerts.append(std::move(*actualAlert));
    return true;
}

} // namespace

QList<PlaceSpan> wordsNamingNoPlace(QStringView text, const QStringList& senderNames)
{
    QList<PlaceSpan> spans;
    PhraseFinder(phrasesNamingNoPlace(senderNames)).find(text, [&](const PlaceSpan& span) {
        spans << span;
        return true;
    });
    // Found in the order of their ends; a longer one may start before.
    std::sort(spans.begin(), spans.end(), [](const PlaceSpan& a, const PlaceSpan& b) { return a.start < b.start; });
    return spans;
}

AlertsAnswer readActiveAlerts(QByteArrayView answer)
{
    JsonReader json(answer);
    AlertsAnswer read;
    const bool whole = json.readObject([&](QByteArrayView key) {
        if (key != "features")
            return json.skip();
        read.valid = true;
        read.alerts.clear(); // a list given twice: the last
        return json.readArray([&] { return readFeature(json, read.alerts); });
    });
    return whole && json.atEnd() && read.valid ? read : AlertsAnswer();
}

WarningState warningsFor(const AlertsAnswer& answer, const QString& place)
{
    return AlertsForPlaces(answer).warningsFor(place);
}

WarningState AlertsForPlaces::warningsFor(const QString& place)
{
    WarningState state;
    if (!answer_.valid)
        return state;
    state.lamp = answer_.alerts.isEmpty() ? kGreen : kRed;
    const PlaceWords words(place);
    for (qsizetype i = 0; i < answer_.alerts.size() && !state.alert; ++i)
        state.alert = alertNamesPlace(i, words);
    return state;
}

// The alert names the place in its areas, or in its description outside
// the words that name no place (looked for once the description is found
// to name a place).
bool AlertsForPlaces::alertNamesPlace(qsizetype alert, const PlaceWords& place)
{
    const ActiveAlert& named = answer_.alerts[alert];
    if (place.firstIn(named.areas))
        return true;
    const std::optional<PlaceSpan> first = place.firstIn(named.description);
    if (!first)
        return false;
    auto noPlace = namingNoPlace_.constFind(alert);
    if (noPlace == namingNoPlace_.cend())
        noPlace = namingNoPlace_.insert(alert, wordsNamingNoPlace(named.description, {named.sender}));
    return place.firstOutside(named.description, *noPlace, first->start).has_value();
}

QString activeAlertsUrl(const QString& stateCode)
{
    return sources::alertsService() + QStringLiteral("/alerts/active?area=") + stateCode;
}

QByteArray fetchActiveAlerts(InetControl& control, const QString& stateCode)
{
    return fetchBytesOrEmpty(control, activeAlertsUrl(stateCode), {{"Accept", "application/geo+json"}});
}
