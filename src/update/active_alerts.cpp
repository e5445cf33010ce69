#include "update/active_alerts.h"

#include "settings/connection.h"
#include "settings/source_addresses.h"
#include "update/json_reader.h"
#include "update/place_words.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace {

// The office's name in the name of an alert's sender: "NWS Jackson MS" gives
// "Jackson"; empty for a sender named otherwise.
QString officeName(const QString& senderName)
{
    static const QRegularExpression form(QStringLiteral("^NWS\\s+(.+?)(?:\\s+[A-Z]{2})?$"));
    return form.match(senderName.trimmed()).captured(1);
}

// The alert names the place in its areas, or in its description outside
// the words that name no place (only looked for where it names the place).
bool alertNamesPlace(const ActiveAlert& alert, const PlaceWords& place)
{
    return place.firstIn(alert.areas)
        || (place.firstIn(alert.description)
            && place.firstOutside(alert.description, wordsNamingNoPlace(alert.description, alert.sender)));
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

QList<PlaceSpan> wordsNamingNoPlace(QStringView text, const QString& senderName)
{
    static const PlaceWords mobileHome(QStringLiteral("mobile home"));
    static const PlaceWords mobileHomes(QStringLiteral("mobile homes"));
    QList<PlaceSpan> spans = mobileHome.allIn(text) + mobileHomes.allIn(text);
    spans += PlaceWords(senderName).allIn(text);
    const QString office = officeName(senderName);
    if (!office.isEmpty())
        spans += PlaceWords(QStringLiteral("National Weather Service in ") + office).allIn(text);
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
    WarningState state;
    if (!answer.valid)
        return state;
    state.lamp = answer.alerts.isEmpty() ? kGreen : kRed;
    const PlaceWords words(place);
    state.alert = std::any_of(answer.alerts.begin(), answer.alerts.end(),
                              [&](const ActiveAlert& alert) { return alertNamesPlace(alert, words); });
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
