#pragma once
#include "update/report_parser.h"

#include <QString>
#include <initializer_list>
#include <utility>

// Builds report lines of fixed-width columns for the parser tests: each text
// is padded with blanks to its column's width.
inline QString fixedColumns(std::initializer_list<std::pair<QString, int>> columns, const QString& rest = {})
{
    QString line;
    for (const auto& [text, width] : columns)
        line += text.leftJustified(width, QLatin1Char(' '), true);
    return line + rest;
}

// Builds a line by writing each text at its 1-based column over blanks.
inline QString atColumns(std::initializer_list<std::pair<int, QString>> texts)
{
    QString line;
    for (const auto& [column, text] : texts) {
        const qsizetype start = column - 1;
        if (line.size() < start + text.size())
            line = line.leftJustified(start + text.size(), QLatin1Char(' '));
        line.replace(start, text.size(), text);
    }
    return line;
}

// A request for a line that stands alone in its page (the page is the line
// and a carriage return): a failure that reaches the retry finds no second
// occurrence of the place.
inline ReportRequest requestFor(const QString& siteCode, const QString& line, const QString& place,
                                bool metric = false)
{
    ReportRequest request;
    request.siteCode = siteCode;
    request.line = line;
    request.pageText = line + QStringLiteral("\r\n");
    request.place = place;
    request.position = 1;
    request.metric = metric;
    return request;
}

// The row a parse leaves, starting from `before`.
inline StationRow parsed(const ReportRequest& request, StationRow before = {})
{
    Parse_Report(request, before);
    return before;
}
