#include "settings/settings_record.h"

#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/file_writes.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "platform/user_dialogs.h"
#include "settings/icon_definitions.h"
#include "settings/program_state.h"
#include "settings/settings_file.h"
#include "settings/station_urls.h"
#include "settings/version.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

namespace {

QString settingsFilePath()
{
    return programPath(QStringLiteral("CRVN.ini"));
}

std::array<QAction*, 13> menuFlagHolders(Form1& main)
{
    return {main.Visual, main.Sound, main.AOT, main.CheckAlternate, main.MinWeat, main.AllWeat,
            main.DigWeat, main.Auto, main.Manual, main.TheAnimation[0], main.TheAnimation[1],
            main.IgnoreWarnings, main.IgnoreUV};
}

template <size_t N>
int chosenOption(const std::array<QRadioButton*, N>& options)
{
    for (size_t i = 0; i + 1 < N; ++i)
        if (options[i]->isChecked())
            return static_cast<int>(i);
    return static_cast<int>(N - 1);
}

template <size_t N>
void chooseOption(const std::array<QRadioButton*, N>& options, int index)
{
    if (index >= 0 && index < static_cast<int>(N))
        options[static_cast<size_t>(index)]->setChecked(true);
}

// Reads the record from the windows that hold it.
SettingsRecord recordFromHolders()
{
    Form2& options = form2();
    Form1& main = form1();
    SettingsRecord record;
    record.version = about().lblVersion->text();
    for (int i = 0; i < options.List3->count(); ++i) {
        const QListWidgetItem* item = options.List3->item(i);
        record.watchList.append({item->text(), item->checkState() == Qt::Checked});
    }
    record.interval = options.Combo1->currentIndex();
    const auto flags = menuFlagHolders(main);
    for (size_t i = 0; i < flags.size(); ++i)
        record.menuFlags[i] = flags[i]->isChecked();
    record.animationStep = weather().Timer1->interval();
    record.whichOption1 = chosenOption(options.Option1);
    record.whichOption2 = chosenOption(options.Option2);
    record.proxyServer = options.Text1[0]->text();
    record.proxyPort = options.Text1[1]->text();
    record.zipCode = options.Text2->text();
    record.logFile = options.Check2->isChecked() ? 1 : 0;
    record.separateLogFile = options.Check3->isChecked() ? 1 : 0;
    record.compressed = options.Check4->isChecked() ? 1 : 0;
    record.disScroll = main.DisScroll->isChecked();
    record.ckMail = main.CkMail[0]->isChecked();
    record.colorSettings = options.Check5->isChecked() ? 1 : 0;
    record.textColor = backColor(options.Label2[3]);
    record.backColor = backColor(options.Label2[4]);
    record.alertSound = options.Combo2->currentText();
    record.mailSound = options.Combo4->currentText();
    record.fahrenheit = main.TempD[0]->isChecked();
    record.celsius = main.TempD[1]->isChecked();
    return record;
}

void resetSoundList(QComboBox* combo)
{
    combo->clear();
    combo->addItem(QStringLiteral("(none)"));
    combo->setCurrentIndex(0);
}

// Selects the first sound (after "(none)") whose name matches exactly.
void selectSound(QComboBox* combo, const QString& name)
{
    for (int i = 1; i < combo->count(); ++i) {
        if (combo->itemText(i) == name) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

QStringList soundNames()
{
    QDir sounds(programPath(QStringLiteral("Sounds")));
    QStringList names;
    const QStringList files = sounds.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files)
        names << file.left(file.size() - 4);
    return names;
}

void setDefaults(Form2& options, Form1& main)
{
    options.Combo1->setCurrentIndex(0);
    resetSoundList(options.Combo2);
    resetSoundList(options.Combo4);
    options.Combo3->setCurrentIndex(0);
    weather().Timer1->setInterval(25);
    options.selectOption2(0);
    main.TheAnimation[0]->setChecked(true);
    main.TheAnimation[1]->setChecked(false);
    for (const QString& name : soundNames()) {
        options.Combo2->addItem(name);
        options.Combo4->addItem(name);
    }
    main.TempD[0]->setChecked(true);
    main.TempD[1]->setChecked(false);
}

void setChecked(QCheckBox* box, const std::optional<int>& value)
{
    if (value && (*value == 0 || *value == 1))
        box->setChecked(*value == 1);
}

void setChecked(QAction* item, const std::optional<bool>& value)
{
    if (value)
        item->setChecked(*value);
}

void setText(QLineEdit* edit, const std::optional<QString>& value)
{
    if (value)
        edit->setText(*value);
}

void buildUrlsWhenWatching(Form2& options, Form1& main)
{
    if (options.List3->count() > 0)
        Build_URLs(main.TempD[1]->isChecked());
}

// Moves what the file held into the holders, field by field, in file order.
void applyLoaded(const LoadedSettings& loaded, Form2& options, Form1& main)
{
    for (const LoadedEntry& entry : loaded.watchList)
        addWatchEntry(options.List3, entry.text, entry.logIt.value_or(false));
    if (loaded.endedInWatchList) {
        buildUrlsWhenWatching(options, main);
        return;
    }

    if (loaded.interval) {
        if (const auto minutes = minutesForInterval(*loaded.interval)) {
            options.Combo1->setCurrentIndex(*loaded.interval);
            program().UpdateInterval = *minutes;
        }
    }
    const auto flags = menuFlagHolders(main);
    for (size_t i = 0; i < flags.size(); ++i)
        setChecked(flags[i], loaded.menuFlags[i]);

    if (loaded.timerInterval)
        weather().Timer1->setInterval(*loaded.timerInterval);
    if (loaded.hasAnimationLine) {
        if (const auto choice = animationForStep(loaded.animationNumber)) {
            program().AnimKind = choice->kind;
            options.Combo3->setCurrentIndex(choice->speedIndex);
        }
    }

    if (loaded.whichOption1)
        chooseOption(options.Option1, *loaded.whichOption1);
    if (loaded.whichOption2)
        options.selectOption2(*loaded.whichOption2);
    setText(options.Text1[0], loaded.proxyServer);
    setText(options.Text1[1], loaded.proxyPort);
    setText(options.Text2, loaded.zipCode);
    setChecked(options.Check2, loaded.logFile);
    setChecked(options.Check3, loaded.separateLogFile);
    setChecked(options.Check4, loaded.compressed);
    setChecked(main.DisScroll, loaded.disScroll);
    setChecked(main.CkMail[0], loaded.ckMail);
    setChecked(options.Check5, loaded.colorSettings);
    if (loaded.textColor)
        setBackColor(options.Label2[3], *loaded.textColor);
    if (loaded.backColor)
        setBackColor(options.Label2[4], *loaded.backColor);
    if (options.Check5->isChecked()) {
        Set_ForeColors(backColor(options.Label2[3]));
        Set_BackColors(backColor(options.Label2[4]));
    }

    if (loaded.alertSound)
        selectSound(options.Combo2, *loaded.alertSound);
    if (loaded.mailSound)
        selectSound(options.Combo4, *loaded.mailSound);
    setChecked(main.TempD[0], loaded.fahrenheit);
    setChecked(main.TempD[1], loaded.celsius);
    buildUrlsWhenWatching(options, main);
}

QString notSavedText(const QString& file, const QString& error)
{
    return QStringLiteral("Your settings could not be saved to %1 (%2).\n"
                          "The settings saved before are unchanged.")
        .arg(QDir::toNativeSeparators(file), error);
}

// Why a save failed (an empty text when it did not), and whether the store
// holds the new values all the same.
struct SaveFailure {
    QString text;
    bool storeSaved = false;
};

// Writes the settings file and the store's values as one set: the file's new
// bytes wait beside it until the store is written, and the store is put back
// when the file then cannot be replaced.
SaveFailure writeSettings(const QStringList& fileLines, const QList<StoreValue>& storeValues)
{
    const QString file = settingsFilePath();
    QString error;
    PendingFileWrite settingsFile(file, encodeLines(fileLines));
    if (!settingsFile.ready(&error))
        return {notSavedText(file, error)};
    const auto storedBefore = storedValues(storeValues, &error);
    if (!storedBefore || !SaveSettings(storeValues, &error))
        return {notSavedText(settingsStorePath(), error)};
    if (settingsFile.commit(&error))
        return {};
    if (restoreSettings(*storedBefore))
        return {notSavedText(file, error)};
    return {QStringLiteral("Your settings were saved to %1, but not to %2 (%3), which still holds the settings "
                           "saved before.")
                .arg(QDir::toNativeSeparators(settingsStorePath()), QDir::toNativeSeparators(file), error),
            true};
}

// Saves the holders' settings: why they could not be saved, if they could not.
SaveFailure saveHeldSettings(const QList<StoreValue>& alsoStored)
{
    const QString refusal = settingsRefusal(recordFromHolders());
    if (!refusal.isEmpty())
        return {refusal};
    Form2& options = form2();
    if (!options.Check5->isChecked()) {
        setBackColor(options.Label2[4], kPaleCyan);
        setBackColor(options.Label2[3], kButtonTextColor);
    }
    const SettingsRecord record = recordFromHolders();
    Set_ForeColors(record.textColor);
    Set_BackColors(record.backColor);

    const SettingsOutput output = composeSettings(record);
    QList<StoreValue> storeValues;
    for (const auto& [key, value] : output.storeValues)
        storeValues.append({QStringLiteral("Settings"), key, value});
    return writeSettings(output.fileLines, storeValues + alsoStored);
}


} // namespace

void addWatchEntry(QListWidget* list, const QString& text, bool logIt)
{
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(logIt ? Qt::Checked : Qt::Unchecked);
}

bool Save_Reg(const QString& key, const QString& value, QString* error)
{
    return SaveSettings({{QStringLiteral("Settings"), key, value}}, error);
}

void reportStoreNotSaved(const QString& error)
{
    MsgBox(notSavedText(settingsStorePath(), error), MsgButtons::Ok, MsgIcon::Exclamation);
}

bool Set_ForeColors(ColorValue color)
{
    for (auto* column : form1().stationColumns())
        for (QLabel* label : *column)
            setForeColor(label, color);
    return true;
}

bool Set_BackColors(ColorValue color)
{
    for (auto* column : form1().stationColumns())
        for (QLabel* label : *column)
            setBackColor(label, color);
    return true;
}

QStringList savableWatchEntries(const QStringList& entries)
{
    QStringList savable;
    QString refusal;
    for (const QString& entry : entries) {
        const QString reason = unsavableWatchEntryReason(entry);
        if (reason.isEmpty())
            savable << entry;
        else if (refusal.isEmpty())
            refusal = QStringLiteral("\"%1\" cannot be added to the watch list: %2.").arg(entry, reason);
    }
    if (!refusal.isEmpty())
        MsgBox(refusal, MsgButtons::Ok, MsgIcon::Exclamation);
    return savable;
}

bool Save_Settings(const QList<StoreValue>& alsoStored, const SaveFailureNotes& notes)
{
    const SaveFailure failure = saveHeldSettings(alsoStored);
    if (failure.text.isEmpty())
        return true;
    MsgBox(failure.text + (failure.storeSaved ? notes.storeSaved : notes.nothingSaved), MsgButtons::Ok,
           MsgIcon::Exclamation);
    return false;
}

void Load_Settings()
{
    about();
    Load_IconDefs();
    Form2& options = form2();
    Form1& main = form1();
    setDefaults(options, main);

    auto input = CommaInput::open(settingsFilePath());
    if (!input)
        return;
    const LoadedSettings loaded = parseSettings(*input, versionText());
    if (loaded.accepted)
        applyLoaded(loaded, options, main);
}
