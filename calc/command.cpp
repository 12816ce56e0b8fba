#include "command.h"

#include "derivative.h"
#include "interpolation.h"
#include "platform/numbers.h"
#include "reader.h"
#include "results.h"
#include "writer.h"

#include <algorithm>

namespace calc {

namespace {

// Why nothing can be shown at xval, naming the table's range.
std::string noValueMessage(const Table &table, double xval, std::string_view decimalPoint)
{
    const double first = table.x[0];
    const double last = table.x[table.length - 1];
    const auto number = [&](double v) {
        return platform::formatFree(v, decimalPoint);
    };
    std::string message = "No value at x = " + number(xval) + ": the table runs from " +
        number(first) + " to " + number(last);
    if (xval > std::min(first, last) && xval < std::max(first, last))
        return message + ", and values between samples are interpolated in ascending tables only.";
    return message + ".";
}

} // namespace

Outcome cmdcalculate_Click(Context &context)
{
    Table table;
    auto &[x, y, yprime, length, step] = table;

    if (!getarray(context.CommonDialog1, x, y, yprime, length, step))
        return {Outcome::Kind::Cancelled, {}};
    derivative(x, y, yprime, length, step);
    if (!writearray(context.CommonDialog1, context.decimalPoint, x, y, yprime, length))
        return {Outcome::Kind::Cancelled, {}};

    const double xval = platform::val(context.display.abscissaText());

    // A later sample at the same abscissa overwrites what an earlier one showed.
    bool shown = false;
    for (int i = 0; i < length; ++i) {
        if (x[i] == xval) {
            showValues(context.display, context.decimalPoint, yprime[i], y[i], xval);
            shown = true;
        }
    }
    if (interpolate(context.display, context.decimalPoint, x, y, yprime, length, step, xval))
        shown = true;

    if (shown)
        return {Outcome::Kind::Shown, {}};
    // Fields left as they were would show the last calculation's numbers beside this abscissa.
    context.display.showDerivativeText({});
    context.display.showValueText({});
    return {Outcome::Kind::NoValue, noValueMessage(table, xval, context.decimalPoint)};
}

} // namespace calc
