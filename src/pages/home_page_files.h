#pragma once
#include <QDate>
#include <QString>

// The news text and the year's meteor showers from the program's home-page
// folder (the About window's home-page address), shown in the text window.

// A reply counts as missing when it is "ERROR" or holds "File Not Found".
bool replyMissing(const QString& reply);

// The home-page files fetched on the main window's first transfer control:
// the reply, or "ERROR" when the control is busy, the fetch fails, the
// server answers with an error status (its error page is no file), or the
// answer holds no text or is a web page (a site's own page for a file it
// does not have). Status panel 1 then reads "News Recovery Completed" or
// "Meteor Information Recovery Completed", or, for a missing file, "News
// Recovery Failed" or "Meteor Information Recovery Failed".
QString Get_News();
QString Get_Meteor_Info();

// The meteor file of a year: "meteor" and the year's last two digits, ".txt".
QString meteorFileName(const QDate& day);

// The Help menu's news, and The Sky menu's meteor showers of this year.
void LatestNews_Click();
void MoonCal_Click();
