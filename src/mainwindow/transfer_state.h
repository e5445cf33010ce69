#pragma once
#include <QString>
#include <optional>

// The texts that the main window's transfer controls put into status
// panel 1 as a request passes through its states.

// The update's control (Inet2): the text for every state; state 0 gives the
// empty text, an unknown state the error text with the error number, and
// the states after the answer (8 and 12) requestAnsweredText of its HTTP
// status.
QString inet2StateText(int State, int ErrorNumber, int HttpStatus);

// The on-demand control (Inet1): as Inet2, except that state 0 writes
// nothing (nullopt) and state 4 already reads as receiving data.
std::optional<QString> inet1StateText(int State, int ErrorNumber, int HttpStatus);

inline const QString kRequestSuccessfulText = QStringLiteral("Corvane DATA Request Successful");

// What the panel says once a request has its answer: successText, or for an
// HTTP error status (400 and over) "Corvane DATA Request Failed (HTTP 404)".
QString requestAnsweredText(int HttpStatus, const QString& successText = kRequestSuccessfulText);
