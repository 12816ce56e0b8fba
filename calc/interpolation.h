#pragma once

#include "platform/resultdisplay.h"
#include "table.h"

#include <string_view>

namespace calc {

// Shows y' and y at an abscissa xval that lies strictly between two samples, by second-order
// Newton interpolation of yprime and y: forward differences from x[i] for the intervals
// i = 0 to length - 3, backward differences from x[i] for the last one, i = length - 2.
// Every interval is tested; when several hold xval the last one decides. Returns whether
// an interval held xval. Throws Error when a result is not a finite number.
bool interpolate(platform::ResultDisplay &display, std::string_view decimalPoint, const Slots &x,
                 const Slots &y, const Slots &yprime, const int &length, const double &step,
                 const double &xval);

} // namespace calc
