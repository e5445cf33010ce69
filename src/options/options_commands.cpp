// The buttons below the tabs: "Save && Refresh", "Save && No Refresh" and
// "Cancel" hide the dialog after saving its settings or putting the saved
// ones back. The dialog itself stays loaded.
#include "options/options_commands.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/window_layout.h"
#include "options/options_dialog.h"
#include "platform/settings_store.h"
#include "platform/color_values.h"
#include "platform/number_formats.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <optional>

namespace {

const QString kInternet = QStringLiteral("Internet");

int valueOf(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

QString digitOf(const QCheckBox* box)
{
    return QString::number(valueOf(box));
}

void applyFloor(QLineEdit* box, double minimum, const QString& replacement)
{
    const QString floored = withFloor(box->text(), minimum, replacement);
    if (floored != box->text())
        box->setText(floored);
}

void blankStationRows(Form1& main)
{
    for (int row = 0; row < 10; ++row) {
        setBackColor(main.S_Warning[row], kButtonFaceColor);
        for (auto* column : main.stationColumns())
            (*column)[row]->clear();
    }
}

// The first pop-up window choice that is set; none may be.
std::optional<int> chosenPopUp(const Form2& options)
{
    for (int i = 0; i < 4; ++i)
        if (options.Option5[i]->isChecked())
            return i;
    return std::nullopt;
}

// The dialog's own values, saved with the settings file and its mirror; the
// two times are raised to their floors first.
QList<StoreValue> dialogValues(Form2& options)
{
    const QString settings = QStringLiteral("Settings");
    QList<StoreValue> values;
    if (const auto popUp = chosenPopUp(options))
        values.append({settings, QStringLiteral("PopUp"), QString::number(*popUp)});
    values.append({settings, QStringLiteral("VerifyVersion"), digitOf(options.Check7)});
    applyFloor(options.Text7, 10, QStringLiteral("30"));
    values.append({kInternet, QStringLiteral("Internet Time Out"), options.Text7->text()});
    applyFloor(options.Text6, 1, QStringLiteral("3"));
    values.append({kInternet, QStringLiteral("Pause Time"), options.Text6->text()});
    values.append({kInternet, QStringLiteral("KeepLast"), digitOf(options.Check6)});
    values.append({kInternet, QStringLiteral("WarnBlink"), digitOf(options.Check8)});
    values.append({kInternet, QStringLiteral("AutoOff"), digitOf(options.Check1[0])});
    values.append({kInternet, QStringLiteral("Dialup Name"), options.Text5->text()});
    values.append({kInternet, QStringLiteral("Connection"),
                   options.Option4[0]->isChecked() ? QStringLiteral("0") : QStringLiteral("1")});
    values.append({kInternet, QStringLiteral("Time Out"), QString::number(options.Slider1->value())});
    return values;
}

} // namespace

QString withFloor(const QString& text, double minimum, const QString& replacement)
{
    return leadingNumber(text) < minimum ? replacement : text;
}

void Form2::connectCommands()
{
    for (int i = 0; i < 5; ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
}

void Form2::Command1_Click(int Index)
{
    switch (Index) {
    case 0:
    case 4: saveAndHide(Index); break;
    case 1: cancelAndHide(); break;
    case 2: deleteHighlighted(); break;
    case 3:
        List3->clear();
        watchListChanged();
        break;
    default: break;
    }
}

// Every value is saved as one set; when it cannot be (the user was told why),
// nothing is saved or applied and the dialog stays open for another choice.
void Form2::saveAndHide(int Index)
{
    if (!Save_Settings(dialogValues(*this)))
        return;
    ProgramState& state = program();
    Form1& main = form1();
    Command1[4]->setEnabled(true);
    hide();
    if (Index == 0)
        blankStationRows(main);
    if (const auto popUp = chosenPopUp(*this))
        state.PopUpIndex = *popUp;
    state.VerifyVersionOn = valueOf(Check7);
    state.KeepLastOn = valueOf(Check6);
    DoEvents();

    if (const auto minutes = minutesForInterval(Combo1->currentIndex()))
        state.UpdateInterval = *minutes;
    Size_To_WatchList(main, List3->count());
    if (Index == 0) {
        state.AutoDialOn = true;
        DoEvents();
        main.setPanelText(1, QStringLiteral("Corvane Requesting DATA ..... Please Wait"));
        // An update under way (this click came in one of its waits) fetched
        // its pages for the list as it was, and its rows were just blanked:
        // the refresh asked for follows it.
        if (state.UpdateRunning)
            state.RefreshAsked = true;
        main.RNow_Click();
    }
    DoEvents();
}

// Every control goes back to what is saved, as in a dialog loaded afresh:
// to its design value first, then to the stores.
void Form2::cancelAndHide()
{
    Command1[4]->setEnabled(true);
    hide();
    List3->clear();
    backToDesignValues();
    readDigitColour();
    readPopUpChoice();
    readProxyCredentials();
    Load_Settings();
    rereadInternetSection();
}
