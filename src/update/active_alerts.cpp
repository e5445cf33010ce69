#include "update/active_alerts.h"

#include "settings/connection.h"
#include "settings/source_addresses.h"
#include "update/json_reader.h"
#include "update/place_words.h"

#include <QHash>
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

bool isBlank(const QString& text)
{
    return QStringView(text).trimmed().isEmpty();
}

// The alert holds no text that could be shown or name a place.
bool holdsNoText(const ActiveAlert& alert)
{
    return isBlank(alert.event) && isBlank(alert.headline) && isBlank(alert.areas) && isBlank(alert.description)
        && isBlank(alert.instruction);
}

// One entry of the answer's "features": the alert in its "properties",
// which it must have (the last, when given twice).
bool readFeature(JsonReader& json, AlertsAnswer& answer)
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
    if (actualAlert && holdsNoText(*actualAlert))
        ++answer.blankAlerts;
    else if (actualAlert)
        answer.alerts.append(std::move(*actualAlert));
    return true;
}

} // namespace

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

PhraseFinder wordsNamingNoPlace(const PlaceWords& place, const QStringList& senderNames)
{
    QStringList phrases = phrasesNamingNoPlace(senderNames);
    phrases.removeIf([&](const QString& phrase) { return !place.firstIn(phrase); });
    return PhraseFinder(phrases);
}

AlertsAnswer readActiveAlerts(QByteArrayView answer)
{
    JsonReader json(answer);
    AlertsAnswer read;
    const bool whole = json.readObject([&](QByteArrayView key) {
        if (key != "features")
            return json.skip();
        read = AlertsAnswer{true}; // a list given twice: the last
        return json.readArray([&] { return readFeature(json, read); });
    });
    return whole && json.atEnd() && read.valid ? read : AlertsAnswer();
}

WarningState warningsFor(const AlertsAnswer& answer, const QString& place)
{
    WarningState state;
    if (!answer.valid)
        return state;
    state.lamp = answer.anyAlert() ? kRed : kGreen;
    const PlaceWords words(place);
    // By sender: the words of its alerts that name no place and may hold
    // this one, looked for once a description of its names the place. When
    // there are none, the place found first counts.
    QHash<QString, PhraseFinder> passedOver;
    for (const ActiveAlert& alert : answer.alerts) {
        if (words.firstIn(alert.areas)) {
            state.alert = true;
        } else if (words.firstIn(alert.description)) {
            auto found = passedOver.constFind(alert.sender);
            if (found == passedOver.cend())
                found = passedOver.insert(alert.sender, wordsNamingNoPlace(words, {alert.sender}));
            state.alert = found->longestPhrase() == 0 || words.firstOutside(alert.description, *found);
        }
        if (state.alert)
            break;
    }
    return state;
}

QString activeAlertsUrl(const QString& stateCode)
{
    return sources::alertsService() + QStringLiteral("/alerts/active?area=") + stateCode;
}

QByteArray fetchActiveAlerts(InetControl& control, const QString& stateCode)
{
    return fetchBytesOrEmpty(control, activeAlertsUrl(stateCode), {{"Accept", "application/geo+json"}});
}
