#pragma once
#include <QString>

class Form5;

// Fetching a picture into the data folder and showing it in a new picture
// window.
//
// Every fetch first refuses while the main window's Inet1 is busy (status
// panel 1 "Connection Busy") or while ten picture windows are open (a
// message), then empties the data folder, downloads the picture into it and
// opens a window titled Title. A failure is reported in status panel 1 and
// leaves no window behind. Each call returns when the window is shown or the
// failure reported.
//
// Window events run while a fetch waits. Windows opened meanwhile count
// against the limit, which is tested again before the new window opens; a
// program closed meanwhile ends the fetch quietly, with no window.

// A still picture.
void Get_Picture(const QString& URL, const QString& Title);
// An animated GIF, played in the window.
void Get_Animation(const QString& URL, const QString& Title);
// A still picture whose address is read from a web page: Arg is the page's
// address, "@" and a marker, both taken in lower case but for the map
// portal's site root at its start; the picture's path is the text of the
// page from the marker up to the next double quote, on the map portal's site.
void Get_Composite_Map(const QString& Arg, const QString& Title);
// The same for the user's local radar entries.
void Get_Local_Radar(const QString& Arg, const QString& Title);

// The "&Local Radar" menu: entry Index of the user's list, fetched by its
// kind ("NO" still, "YES" animated, "NEX" looked up in a page) under the
// menu item's caption.
void LocalRadar_Click(int Index);
// "Earth Daylight Area": that picture is gone; says so.
void EDANow_Click();

// Deletes every file of the data folder (it holds only the latest picture);
// false when one stays.
bool emptyDataFolder();

// For windows that open a picture window themselves:
// True (after the limit message) when no further picture window may open.
bool pictureWindowsFull();
// A new, hidden picture window in the newest slot of the open-window list.
Form5* newPictureWindow();
// Gives the loaded window its title, fits and shows it, and counts it.
void showPictureWindow(Form5& window, const QString& Title);
