#include "update/active_alerts.h"

#include "settings/connection.h"
#include "settings/source_addresses.h"
#include "update/place_words.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

namespace {

// The office's name in the name of an alert's sender: "NWS Jackson MS" gives
// "Jackson"; empty for a sender named otherwise.
QString officeName(const QString& senderName)
{
    static const QRegularExpression form(QStringLiteral("^NWS\\s+(.+?)(?:\\s+[A-Z]{2})?$"));
    return form.match(senderName.trimmed()).captured(1);
}

// Where the words of an alert's description name no place: the office that
// says it issued the alert ("The National Weather Service in Jackson has
// issued ...", "... will be issued by the National Weather Service in
// Honolulu HI"), and mobile homes.
QList<PlaceSpan> notPlaces(const QString& description, const QString& senderName)
{
    static const PlaceWords mobileHome(QStringLiteral("mobile home"));
    static const PlaceWords mobileHomes(QStringLiteral("mobile homes"));
    QList<PlaceSpan> spans = mobileHome.allIn(description) + mobileHomes.allIn(description);
    const QString office = officeName(senderName);
    if (!office.isEmpty())
        spans += PlaceWords(QStringLiteral("National Weather Service in ") + office).allIn(description);
    return spans;
}

} // namespace

AlertsAnswer readActiveAlerts(const QString& answer)
{
    const QJsonDocument document = QJsonDocument::fromJson(answer.toUtf8());
    const QJsonValue features = document.object().value(QLatin1String("features"));
    if (!features.isArray())
        return AlertsAnswer();
    AlertsAnswer read{true, {}};
    for (const QJsonValue& feature : features.toArray()) {
        const QJsonValue properties = feature.toObject().value(QLatin1String("properties"));
        if (!properties.isObject())
            return AlertsAnswer();
        const QJsonObject alert = properties.toObject();
        const QJsonValue status = alert.value(QLatin1String("status"));
        if (status.isString() && status.toString().compare(QLatin1String("Actual"), Qt::CaseInsensitive) != 0)
            continue;
        const QString description = alert.value(QLatin1String("description")).toString();
        read.alerts << ActiveAlert{alert.value(QLatin1String("event")).toString(),
                                   alert.value(QLatin1String("headline")).toString(),
                                   alert.value(QLatin1String("areaDesc")).toString(),
                                   description,
                                   alert.value(QLatin1String("instruction")).toString(),
                                   notPlaces(description, alert.value(QLatin1String("senderName")).toString())};
    }
    return read;
}

WarningState warningsFor(const AlertsAnswer& answer, const QString& place)
{
    WarningState state;
    if (!answer.valid)
        return state;
    state.lamp = answer.alerts.isEmpty() ? kGreen : kRed;
    const PlaceWords words(place);
    state.alert = std::any_of(answer.alerts.begin(), answer.alerts.end(), [&](const ActiveAlert& alert) {
        return words.namedIn(alert.areas) || words.namedIn(alert.description, alert.notPlaces);
    });
    return state;
}

QString activeAlertsUrl(const QString& stateCode)
{
    return sources::alertsService() + QStringLiteral("/alerts/active?area=") + stateCode;
}

QString fetchActiveAlerts(InetControl& control, const QString& stateCode)
{
    return fetchTextOrEmpty(control, activeAlertsUrl(stateCode), {{"Accept", "application/geo+json"}});
}
