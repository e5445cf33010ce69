// The options dialog's load sequence and its state and city pickers.
#include "options/options_dialog.h"

#include "options/states_cities.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "platform/user_dialogs.h"
#include "platform/number_formats.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "settings/string_routines.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>
#include <optional>

namespace {

QString stored(const char* section, const char* key, const char* fallback)
{
    return GetSetting(QLatin1String(section), QLatin1String(key), QLatin1String(fallback));
}

// The whole-number value of a stored text, or nullopt when it does not fit
// a 16-bit integer (that step of the load is then skipped).
std::optional<int> storedNumber(const char* section, const char* key, const char* fallback)
{
    int value = 0;
    if (!toInt16(stored(section, key, fallback), value))
        return std::nullopt;
    return value;
}

template <size_t N>
void select(const std::array<QRadioButton*, N>& options, const std::optional<int>& index)
{
    if (index && *index >= 0 && *index < static_cast<int>(N))
        options[static_cast<size_t>(*index)]->setChecked(true);
}

void setCheck(QCheckBox* box, const std::optional<int>& value)
{
    if (value && (*value == 0 || *value == 1))
        box->setChecked(*value == 1);
}

// A text converted straight to a 16-bit integer, as a whole-number
// conversion does: blanks around a number are allowed, a fraction rounds
// halves to even, anything else (letters, an empty text, too large) fails.
std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const long long whole = roundHalfEven(value);
    if (whole < -32768 || whole > 32767)
        return std::nullopt;
    return static_cast<int>(whole);
}

// A city row: the city list keeps its rows in alphabetical order, letter
// case aside.
class CityItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override
    {
        const int order = text().compare(other.text(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : text() < other.text();
    }
};

// A wait the slider cannot show leaves it as it was.
void setSliderFromStore(QSlider* slider)
{
    if (const auto wait = storedNumber("Internet", "Time Out", "30");
        wait && *wait >= slider->minimum() && *wait <= slider->maximum())
        slider->setValue(*wait);
}

// Auto Disconnect takes the stored text only when it is a number.
void setAutoOffFromStore(QCheckBox* box)
{
    setCheck(box, wholeNumber(stored("Internet", "AutoOff", "0")));
}

void setTimeoutFromText(const QLineEdit* box)
{
    int timeout = program().InetTimeout;
    if (toInt16(box->text(), timeout))
        program().InetTimeout = timeout;
}

QString blankMeansNothing(const QString& value)
{
    return value == QLatin1String("Blank") ? QString() : value;
}

} // namespace

void Form2::Form_Load()
{
    const QScopedValueRollback loadingNow(loading_, true);
    ProgramState& state = program();
    centre();
    state.SlotURL = {};

    readDigitColour();
    setCheck(Check6, storedNumber("Internet", "KeepLast", "1"));
    state.KeepLastOn = Check6->isChecked() ? 1 : 0;
    Text6->setText(stored("Internet", "Pause Time", "3"));
    Text7->setText(stored("Internet", "Internet Time Out", "30"));
    setCheck(Check8, storedNumber("Internet", "WarnBlink", "1"));
    if (leadingNumber(Text6->text()) < 1)
        Text6->setText(QStringLiteral("3"));
    if (leadingNumber(Text7->text()) < 10)
        Text7->setText(QStringLiteral("10"));
    setTimeoutFromText(Text7);

    readPopUpChoice();
    DoEvents();
    setCheck(Check7, storedNumber("Settings", "VerifyVersion", "0"));
    state.VerifyVersionOn = Check7->isChecked() ? 1 : 0;
    Text5->setText(stored("Internet", "Dialup Name", ""));
    select(Option4, storedNumber("Internet", "Connection", "0"));
    setSliderFromStore(Slider1);
    setAutoOffFromStore(Check1[0]);
    readProxyCredentials();
    List6.clear();
    state.UpdateInterval = 60;

    readStatesFileOrEnd();
    Load_States();
    Load_Settings();
}

void Form2::loadAfresh()
{
    // Quietly, as the lists of a new dialog are empty without choosing anything.
    for (QListWidget* list : {List1, List2, List7, List3}) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
    List4.clear();
    List5.clear();
    StateRow = 0;
    Label3->setText(QStringLiteral("0"));
    Label3->hide();
    backToDesignValues();
    Form_Load();
}

// The category of a new definition follows its button, as when one is chosen.
void Form2::backToDesignValues()
{
    designValues_.restore();
    for (int i = 0; i < static_cast<int>(Option3.size()); ++i)
        if (Option3[i]->isChecked())
            program().IconCategorySel = i;
}

// An index that names no button changes nothing (the digital display has
// four colour sets, the small windows four choices).
void Form2::readDigitColour()
{
    if (const auto colour = storedNumber("Settings", "DigitColor", "0"); colour && *colour >= 0 && *colour <= 3) {
        program().DigitColorIndex = *colour;
        select(Option6, colour);
    }
}

void Form2::readPopUpChoice()
{
    if (const auto popUp = storedNumber("Settings", "PopUp", "0"); popUp && *popUp >= 0 && *popUp <= 3) {
        program().PopUpIndex = *popUp;
        select(Option5, popUp);
    }
}

void Form2::readProxyCredentials()
{
    ProgramState& state = program();
    state.ProxyUserName = blankMeansNothing(stored("Proxy", "Username", "Blank"));
    QString password = blankMeansNothing(stored("Proxy", "Password", "Blank"));
    state.ProxyPwd = Flip_Bits(password);
    ProxyUser->setText(state.ProxyUserName);
    ProxyPassword->setText(state.ProxyPwd);
}

// Cancel puts the saved connection values back, without the floors of a
// save.
void Form2::rereadInternetSection()
{
    ProgramState& state = program();
    setAutoOffFromStore(Check1[0]);
    select(Option4, storedNumber("Internet", "Connection", "0"));
    setSliderFromStore(Slider1);
    Text5->setText(stored("Internet", "Dialup Name", ""));
    Text6->setText(stored("Internet", "Pause Time", "3"));
    Text7->setText(stored("Internet", "Internet Time Out", "30"));
    setTimeoutFromText(Text7);
    setCheck(Check6, storedNumber("Internet", "KeepLast", "1"));
    state.KeepLastOn = Check6->isChecked() ? 1 : 0;
    Check7->setChecked(state.VerifyVersionOn != 0);
    setCheck(Check8, storedNumber("Internet", "WarnBlink", "1"));
}

void Form2::readStatesFileOrEnd()
{
    const StatesFile file = readStatesFile(fileInFolderAnyCase(programFolder(), QStringLiteral("States_Cities.cvd")));
    if (file.problem == StatesFileProblem::Missing) {
        MsgBox(QStringLiteral("File is missing!"), MsgButtons::Ok, MsgIcon::Stop);
        endProgram(1);
    }
    if (file.problem == StatesFileProblem::BadHeader) {
        MsgBox(QStringLiteral("Incorrect File Structure!"), MsgButtons::Ok, MsgIcon::Stop);
        endProgram(1);
    }
    List4 = file.rows;
}

void Form2::Load_States()
{
    const StateList states = statesFromRows(List4, StateRow, &StateRow);
    List1->addItems(states.names);
    List5 = states.urls;
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void Form2::Load_Cities(const QString& State)
{
    List2->clear();
    List7->clear();
    for (const QString& city : rowsAfter(List4, State, 2, &StateRow))
        List2->addItem(new CityItem(city));
    List7->addItems(rowsAfter(List8, QLatin1Char('*') + State, 2, &StateRow));
}

void Form2::List1_Click()
{
    const QListWidgetItem* chosen = List1->currentItem();
    Load_Cities(chosen ? chosen->text() : QString());
    DoEvents();
    if (!Label3->isHidden())
        Label3->setText(QString::number(roundHalfEven(leadingNumber(Label3->text())) + List2->count()));
}
