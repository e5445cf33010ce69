#pragma once
#include "platform/color_values.h"
#include "update/place_words.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class InetControl;

// The weather service's active alerts of one state, as its data service
// answers them in GeoJSON: a "features" list with one entry per alert.

struct ActiveAlert {
    QString event;       // "Winter Weather Advisory"
    QString headline;    // "... issued March 4 at 5:04PM MST until ..."
    QString areas;       // the areas it covers, "; " between them
    QString description;
    QString instruction; // what to do; often empty
    QString sender;      // the issuing office, "NWS Jackson MS"
};
Q_DECLARE_TYPEINFO(ActiveAlert, Q_RELOCATABLE_TYPE);

struct AlertsAnswer {
    bool valid = false; // the service answered with a list of alerts
    // The actual alerts in it (test messages and exercises left out) that
    // hold a text: an event, headline, areas, description or instruction
    // of more than blanks.
    QList<ActiveAlert> alerts;
    qsizetype blankAlerts = 0; // the actual alerts that hold none

    bool anyAlert() const { return !alerts.isEmpty() || blankAlerts > 0; }
};

// Reads the service's answer (JSON, in UTF-8), in time in step with its
// length. Anything but a JSON object whose "features" is a list of alert
// entries (an error body, an HTML page, an empty or a cut-off answer) is no
// valid answer.
AlertsAnswer readActiveAlerts(QByteArrayView answer);

struct WarningState {
    ColorValue lamp = kButtonFaceColor; // button face: no data; green: no alerts; red: alerts in the state
    bool alert = false;                 // an alert names the place itself
};

// The station's lamp and alert: an alert names the place when its areas or
// its description hold the place's name as whole words, case ignored
// (update/place_words.h). Words of the description that name no place do
// not count (wordsNamingNoPlace, for the alert's sender). The time grows
// with the alerts' texts, and with each sender's name once.
WarningState warningsFor(const AlertsAnswer& answer, const QString& place);

// The phrases whose words name no place: "mobile home(s)", and the offices
// that sent the alerts: each one's name as the sender (`senderNames`, "NWS
// Jackson MS") and after "National Weather Service in" ("... in Jackson has
// issued"). A sender's name longer than 256 characters is no office's name
// and names nothing here.
QStringList phrasesNamingNoPlace(const QStringList& senderNames);

// Those of the phrases above in which the place stands: only within them can
// it name no place ("The National Weather Service in Jackson has issued ..."
// names no place JACKSON; a sender's name that does not hold the place
// passes over none of it).
PhraseFinder wordsNamingNoPlace(const PlaceWords& place, const QStringList& senderNames);

// The address of a state's active alerts ("TX").
QString activeAlertsUrl(const QString& stateCode);

// Fetches a state's active alerts with the control after the connection
// set-up, asking for GeoJSON: the answer's bytes, none when the fetch
// failed. Events run while it waits.
QByteArray fetchActiveAlerts(InetControl& control, const QString& stateCode);
