#include "update/active_alerts.h"

#include "settings/connection.h"
#include "settings/source_addresses.h"
#include "update/place_words.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

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
        read.alerts << ActiveAlert{alert.value(QLatin1String("event")).toString(),
                                   alert.value(QLatin1String("headline")).toString(),
                                   alert.value(QLatin1String("areaDesc")).toString(),
                                   alert.value(QLatin1String("description")).toString(),
                                   alert.value(QLatin1String("instruction")).toString()};
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
        return words.namedIn(alert.areas) || words.namedIn(alert.description);
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
