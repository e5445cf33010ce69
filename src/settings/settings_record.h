#pragma once
#include "platform/color_values.h"
#include "platform/settings_store.h"

#include <QString>

class QListWidget;

// The settings record lives in the options dialog's controls, the main
// window's menu check marks and the compact window's animation timer. These
// routines write it to the settings file CRVN.ini (and mirror it into the
// per-user store) and read it back.

// What a failed save's message ends with, saying what the program does now:
// one note for a save that changed nothing, another for the rare one that
// wrote the store but could neither replace the settings file nor put the
// store back.
struct SaveFailureNotes {
    QString nothingSaved;
    QString storeSaved;
};

// Writes the settings file and the store mirror as one set, `alsoStored`
// (values of other keys that the same save keeps) going to the store with the
// mirror; repaints the station table in the chosen colours. When a text
// chosen cannot be saved there (settingsRefusal), or the file or the store
// cannot be written, neither changes (as far as the store can be put back),
// the user is told why in a message that `notes` end, and it returns false.
bool Save_Settings(const QList<StoreValue>& alsoStored = {}, const SaveFailureNotes& notes = {});

// The entries that the settings file can keep; when one cannot be kept, it
// is left out and the user is told why (of the first such entry).
QStringList savableWatchEntries(const QStringList& entries);

// Sets the defaults and reads the settings file into the holders. Never
// empties the watch list: the caller does that first.
void Load_Settings();

// Writes one value to the store's "Settings" section; false, with *error
// (when given) saying why, when the store could not be written.
bool Save_Reg(const QString& key, const QString& value, QString* error = nullptr);

// Tells the user that the store could not be written, naming its file and
// the reason a failed SaveSettings gave.
void reportStoreNotSaved(const QString& error);

// Paint every label of the main window's station table (not the warning lamps).
bool Set_ForeColors(ColorValue color);
bool Set_BackColors(ColorValue color);

// Adds a watch-list row with its log mark.
void addWatchEntry(QListWidget* list, const QString& text, bool logIt);
