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

using platform::messageNumber;

// Why nothing can be shown at xval, naming the table's range.
std::string noValueMessage(const Table &table, double xval)
{
    const double first = table.x[0];
    const double last = table.x[table.length - 1];
    std::string message = "No value at x = " + messageNumber(xval) + ": the table runs from " +
        messageNumber(first) + " to " + messageNumber(last);
    if (xval > std::min(first, last) && xval < std::max(first, last))
        return message + ", and " + std::string(interpolationRule) + ".";
    return message + ".";
}

// Says how a text that is not exactly one number was read; "" for one that is.
std::string abscissaNote(const platform::ValReading &reading)
{
    if (reading.whole())
        return {};
    if (reading.text.empty())
        return "The box is empty, so x was read as 0.";
    if (reading.number.empty())
        return "The box holds no number (" + platform::quoteField(reading.text) +
            "), so x was read as 0.";
    return "The abscissa " + platform::quoteField(reading.text) + " was read as " +
        messageNumber(reading.value) + ": the rest, " + platform::quoteField(reading.rest) +
        ", is not part of the number.";
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
        throw Error("The result at x = " + messageNumber(xval) +
                    " is too large to be shown: it is not a finite number.");
    Outcome outcome =
        found ? Outcome::shown(xval, *found) : Outcome::noValue(xval, noValueMessage(table, xval));
    outcome.abscissaNote = abscissaNote(reading);
    return outcome;
}

} // namespace calc
