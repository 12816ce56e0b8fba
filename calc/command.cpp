#include "command.h"

#include "derivative.h"
#include "interpolation.h"
#include "platform/numbers.h"
#include "platform/textinput.h"
#include "reader.h"
#include "writer.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

using Number = Message::Number;
using Quote = Message::Quote;

// Why nothing can be shown at xval, naming the table's range.
Message noValueMessage(const Table &table, double xval)
{
    const double first = table.x[0];
    const double last = table.x[table.length - 1];
    // Between the samples of a descending table: values are interpolated in ascending ones.
    const bool inside = xval > std::min(first, last) && xval < std::max(first, last);
    return Message(inside ? texts::noValueDescending : texts::noValue,
                   {Number {xval}, Number {first}, Number {last}});
}

// Says how a text that is not exactly one number was read; empty for one that is.
Message abscissaNote(const platform::ValReading &reading)
{
    if (reading.whole())
        return {};
    if (reading.text.empty())
        return Message(texts::boxEmpty);
    if (reading.number.empty())
        return Message(texts::boxHoldsNoNumber, {Quote {std::string(reading.text)}});
    return Message(texts::abscissaReadAs,
                   {Quote {std::string(reading.text)}, Number {reading.value},
                    Quote {std::string(reading.rest)}});
}

} // namespace

Outcome cmdcalculate_Click(Context &context)
{
    Table table;
    auto &[x, y, yprime, length, step] = table;

    if (!getarray(context.CommonDialog1, x, y, yprime, length, step))
        return Outcome::cancelled();
    derivative(x, y, yprime, length, step);
    if (!writearray(context.CommonDialog1, context.decimalPoint, x, y, yprime, length))
        return Outcome::cancelled();

    const std::string typed = context.display.abscissaText();
    const platform::ValReading reading = platform::readVal(typed, context.decimalPoint);
    const double xval = reading.value;

    // A later sample at the same abscissa overwrites what an earlier one found, and an
    // interval that holds xval overwrites both.
    std::optional<Point> found;
    for (int i = 0; i < length; ++i)
        if (x[i] == xval)
            found = Point {yprime[i], y[i]};
    if (const std::optional<Point> between = interpolate(x, y, yprime, length, step, xval))
        found = between;

    if (found && (!std::isfinite(found->yprime) || !std::isfinite(found->y)))
        throw Error(Message(texts::resultNotFinite, {Number {xval}}));
    Outcome outcome =
        found ? Outcome::shown(xval, *found) : Outcome::noValue(xval, noValueMessage(table, xval));
    outcome.abscissaNote = abscissaNote(reading);
    return outcome;
}

} // namespace calc
