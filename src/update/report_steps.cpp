#include "update/report_steps.h"

#include "update/parse_failure.h"
#include "update/unit_conversions.h"

#include <algorithm>

QString ParseState::take(qsizetype n) const
{
    return line.left(n);
}

void ParseState::cut(qsizetype n)
{
    if (n < 0 || n > line.size())
        throw ParseFailure{"cut past the end of the line"};
    line.remove(0, n);
}

FieldLabels rowOrderFields()
{
    return {0, 3, 4, 5, 6, 7, 8, 9};
}

ParserPlan::ParserPlan(bool metric, FieldLabels fields)
    : metric_(metric), fields_(fields)
{
}

ParserPlan& ParserPlan::step(Step s)
{
    steps_.push_back(std::move(s));
    return *this;
}

ParserPlan& ParserPlan::englishStep(Step s)
{
    if (!metric_)
        steps_.push_back(std::move(s));
    return *this;
}

ParserPlan& ParserPlan::cut(qsizetype n)
{
    return step([n](ParseState& s) { s.cut(n); });
}

ParserPlan& ParserPlan::cutBeforeLastColumn(qsizetype n)
{
    return step([n](ParseState& s) { s.cut(s.fieldLost ? n : std::min(n, s.line.size())); });
}

ParserPlan& ParserPlan::field(int number)
{
    return step([number](ParseState& s) { s.field = number; });
}

ParserPlan& ParserPlan::set(RowField caption, qsizetype n)
{
    return step([caption, n](ParseState& s) { s.row.*caption = s.take(n); });
}

ParserPlan& ParserPlan::setRest(RowField caption)
{
    return step([caption](ParseState& s) { s.row.*caption = s.line; });
}

ParserPlan& ParserPlan::trim(RowField caption)
{
    return convert(caption, Strip_Spaces);
}

ParserPlan& ParserPlan::assign(RowField caption, const QString& text)
{
    return step([caption, text](ParseState& s) { s.row.*caption = text; });
}

ParserPlan& ParserPlan::convert(RowField caption, QString (*conversion)(const QString&))
{
    return step([caption, conversion](ParseState& s) { s.row.*caption = conversion(s.row.*caption); });
}

ParserPlan& ParserPlan::metricConvert(RowField caption, QString (*conversion)(const QString&))
{
    return metric_ ? convert(caption, conversion) : *this;
}

ParserPlan& ParserPlan::englishConvert(RowField caption, QString (*conversion)(const QString&))
{
    return metric_ ? *this : convert(caption, conversion);
}

ParserPlan& ParserPlan::celsius(RowField caption)
{
    return metricConvert(caption, Fahrenheit_To_Celsius);
}

int ParserPlan::labelOfField(int number) const
{
    return number >= 1 && number <= 7 ? fields_[static_cast<size_t>(number)] : 0;
}
