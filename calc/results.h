#pragma once

#include "platform/resultdisplay.h"

#include <string_view>

namespace calc {

// Shows y' and then y at the abscissa xval, each rounded to four decimals. Throws Error when
// either is not a finite number, before anything is shown.
void showValues(platform::ResultDisplay &display, std::string_view decimalPoint, double derivative,
                double value, double xval);

} // namespace calc
