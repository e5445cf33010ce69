#include "mainwindow/transfer_state.h"

#include "mainwindow/form1.h"
#include "platform/animated_picture.h"
#include "platform/inet_control.h"

QString requestAnsweredText(int HttpStatus, const QString& successText)
{
    if (HttpStatus >= 400)
        return QStringLiteral("Corvane DATA Request Failed (HTTP %1)").arg(HttpStatus);
    return successText;
}

QString inet2StateText(int State, int ErrorNumber, int HttpStatus)
{
    switch (State) {
    case InetControl::icNone:
        return QStringLiteral("");
    case InetControl::icResolvingHost:
    case InetControl::icHostResolved:
    case InetControl::icConnecting:
        return QStringLiteral("Corvane Contacting Host Site ..... Please Wait");
    case InetControl::icConnected:
        return QStringLiteral("Corvane Connected ..... Please Wait");
    case InetControl::icRequesting:
    case InetControl::icRequestSent:
    case InetControl::icReceivingResponse:
        return QStringLiteral("Corvane Recovering DATA ..... Please Wait");
    case InetControl::icResponseReceived:
    case InetControl::icResponseCompleted:
        return requestAnsweredText(HttpStatus);
    case InetControl::icDisconnecting:
        return QStringLiteral("Corvane Disconnecting..... Please Wait");
    case InetControl::icDisconnected:
        return QStringLiteral("Corvane Disconnected From Site....");
    case InetControl::icError:
        return QStringLiteral("Host Site is currently UnAvailable for Connection!");
    default:
        return QStringLiteral("Corvane ERROR Number: ") + QString::number(ErrorNumber) + QStringLiteral(" occured.");
    }
}

std::optional<QString> inet1StateText(int State, int ErrorNumber, int HttpStatus)
{
    if (State == InetControl::icNone)
        return std::nullopt;
    if (State == InetControl::icConnected)
        return inet2StateText(InetControl::icRequesting, ErrorNumber, HttpStatus);
    return inet2StateText(State, ErrorNumber, HttpStatus);
}

void Form1::Inet1_StateChanged(int State)
{
    const std::optional<QString> text = inet1StateText(State, Inet1->lastErrorNumber(), Inet1->lastHttpStatus());
    if (!text)
        return;
    if (State >= 1 && State <= 3) {
        if (panelText(1) != *text)
            setPanelText(1, *text);
        return;
    }
    if (State >= 4 && State <= 7) {
        showBusyIndicator();
        if (panelText(1) != *text)
            setPanelText(1, *text);
        return;
    }
    setPanelText(1, *text);
    hideBusyIndicator();
    // A request that has disconnected or failed is ended for good.
    if (State == 10 || State == 11)
        Inet1->Cancel();
}

void Form1::Inet2_StateChanged(int State)
{
    // The update shows its progress as texts only; the busy indicator
    // belongs to the on-demand fetches.
    setPanelText(1, inet2StateText(State, Inet2->lastErrorNumber(), Inet2->lastHttpStatus()));
    if (State == 10 || State == 11)
        Inet2->Cancel();
}
