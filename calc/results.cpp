#include "results.h"

#include "platform/numbers.h"
#include "table.h"

#include <cmath>

namespace calc {

void showValues(platform::ResultDisplay &display, std::string_view decimalPoint, double derivative,
                double value, double xval)
{
    if (!std::isfinite(derivative) || !std::isfinite(value))
        throw Error("The result at x = " + platform::formatFree(xval, decimalPoint) +
                    " is too large to be shown: it is not a finite number.");
    display.showDerivativeText(platform::formatResult(derivative, decimalPoint));
    display.showValueText(platform::formatResult(value, decimalPoint));
}

} // namespace calc
