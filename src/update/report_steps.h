#pragma once
#include "update/station_row.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

// The fixed-width reading of a station line, shared by every report parser.
//
// A parser is a plan: a list of small steps (cut, take into a caption, trim,
// convert...) run in order over one ParseState. A step that fails raises
// ParseFailure; the report parser then recovers (report_parser.cpp) and, if
// it does not start over, goes on with the next step, so a failed step has
// no effect of its own.

struct ParseState {
    ParseState(QString stationLine, StationRow& stationRow, bool metricUnits)
        : line(std::move(stationLine)), row(stationRow), metric(metricUnits) {}

    QString line;     // what is left of the station line
    StationRow& row;  // the captions being written
    bool metric;      // degrees Celsius, km/h and millibars
    int field = 0;    // the field in force for the recovery; 0: none yet
    bool fieldLost = false; // a failed step emptied a field and parsing went on

    // Working values a parser keeps between its steps.
    QString work;
    QString secondWork;
    int first = 0;

    // The first n characters of the line (the whole line when shorter).
    QString take(qsizetype n) const;
    // Drops the first n characters; more than the line holds is a failure
    // and leaves the line as it was.
    void cut(qsizetype n);
};

using Step = std::function<void(ParseState&)>;

// Label number that each field number (1 to 7) stands for when the
// recovery empties it; index 0 is unused.
using FieldLabels = std::array<int, 8>;

// Field k is label k + 2: condition, temperature, dewpoint, humidity, wind,
// pressure, remarks.
FieldLabels rowOrderFields();

class ParserPlan {
public:
    explicit ParserPlan(bool metric, FieldLabels fields = rowOrderFields());

    ParserPlan& step(Step s);
    ParserPlan& englishStep(Step s);  // only in English units

    ParserPlan& cut(qsizetype n);
    // Drops the column in front of a line's last column: a line that ends
    // before the last column (pages trim the blanks behind an empty last
    // field) leaves that field empty instead of failing, so the readings
    // already taken stand. Once a field was lost the line is out of step
    // with its columns, and a short line fails here like at every other cut.
    ParserPlan& cutBeforeLastColumn(qsizetype n);
    ParserPlan& field(int number);                      // the field in force from here on
    ParserPlan& set(RowField caption, qsizetype n);     // caption := the first n characters
    ParserPlan& setRest(RowField caption);              // caption := all that is left
    ParserPlan& trim(RowField caption);                 // Strip_Spaces on the caption
    ParserPlan& setAndTrim(RowField caption, qsizetype n) { return set(caption, n).trim(caption); }
    ParserPlan& setAndTrimRest(RowField caption) { return setRest(caption).trim(caption); }
    ParserPlan& assign(RowField caption, const QString& text);
    ParserPlan& convert(RowField caption, QString (*conversion)(const QString&));
    ParserPlan& metricConvert(RowField caption, QString (*conversion)(const QString&));
    ParserPlan& englishConvert(RowField caption, QString (*conversion)(const QString&));
    // Fahrenheit to Celsius, in metric units only (one step).
    ParserPlan& celsius(RowField caption);

    const std::vector<Step>& steps() const { return steps_; }
    int labelOfField(int number) const;

private:
    bool metric_;
    FieldLabels fields_;
    std::vector<Step> steps_;
};
