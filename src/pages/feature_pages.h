#pragma once
#include <QDate>
#include <QString>

// Four articles fetched from web pages and shown in the text window:
// the weather history of the day, the sky of this week and of this month,
// and the events of this date in history. Each is fetched anew, cleaned of
// markup and cut out of its page between two markers.

enum class FeaturePage { WeatherHistory, SkyThisWeek, SkyThisMonth, TodayInHistory };

// The text window's caption for the page.
QString featureCaption(FeaturePage page);

// What the text window shows for a fetched page: the article (its line
// breaks as CR LF), or "Problem Encountered.  Please try again later." when
// a marker is missing or the page cannot be cleaned: it holds a "<" (or,
// for the pages that remove them, an "&#") that never closes. `today` gives
// the month that the monthly sky page names.
QString featurePageText(FeaturePage page, QString html, const QDate& today);

// Fetches the page and shows it in the text window, with "Text Processing
// Complete" in status panel 1, or "Text Processing Failed" when the page did
// not come, cannot be cleaned or holds no article; while the main window's
// transfer control is busy, says so in the status bar instead.
void showFeaturePage(FeaturePage page);

void Show_Weather_History();
void Show_Sky_This_Week();
void Show_Sky_This_Month();
void History_Click();
