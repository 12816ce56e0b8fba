#pragma once

#include "table.h"

#include <optional>

namespace calc {

// y' and y at an abscissa xval that lies strictly between two samples, by second-order Newton
// interpolation of yprime and y: forward differences from x[i] for the intervals i = 0 to
// length - 3, backward differences from x[i] for the last one, i = length - 2. Every interval
// is tested; when several hold xval the last one decides. Nothing when no interval holds xval.
std::optional<Point> interpolate(const Slots &x, const Slots &y, const Slots &yprime,
                                 const int &length, const double &step, const double &xval);

} // namespace calc
