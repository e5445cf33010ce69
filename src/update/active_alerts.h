#pragma once
#include "platform/color_values.h"
#include "update/place_words.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
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

struct AlertsAnswer {
    bool valid = false;        // the service answered with a list of alerts
    QList<ActiveAlert> alerts; // the actual alerts in it (test messages and exercises left out)
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
// not count: the issuing office's own name after "National Weather Service
// in" ("The National Weather Service in Jackson has issued ...", the sender
// being "NWS Jackson MS"), and "mobile home(s)".
WarningState warningsFor(const AlertsAnswer& answer, const QString& place);

// An answer's alerts checked for any number of places, as one update checks
// the stations of a state: the words of an alert's description that name no
// place are found once for all of them, when a place is first found in it.
class AlertsForPlaces {
public:
    explicit AlertsForPlaces(const AlertsAnswer& answer = AlertsAnswer()) : answer_(answer) {}

    // As warningsFor() above.
    WarningState warningsFor(const QString& place);

private:
    bool alertNamesPlace(qsizetype alert, const PlaceWords& place);

    AlertsAnswer answer_;
    QHash<qsizetype, QList<PlaceSpan>> namingNoPlace_; // by alert, once looked for
};

// Where the words of `text` name no place: "mobile home(s)", and the offices
// that sent the alerts: each one's name as the sender (`senderNames`, "NWS
// Jackson MS") and after "National Weather Service in" ("... in Jackson has
// issued"). A sender's name longer than 256 characters is no office's name
// and names nothing here. At each word that ends such words, the longest run
// of them that ends there, in the order of their starts: a place is held in
// one of those spans exactly when it is held in any run of such words.
QList<PlaceSpan> wordsNamingNoPlace(QStringView text, const QStringList& senderNames);

// The address of a state's active alerts ("TX").
QString activeAlertsUrl(const QString& stateCode);

// Fetches a state's active alerts with the control after the connection
// set-up, asking for GeoJSON: the answer's bytes, none when the fetch
// failed. Events run while it waits.
QByteArray fetchActiveAlerts(InetControl& control, const QString& stateCode);
