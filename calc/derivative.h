#pragma once

#include "table.h"

namespace calc {

// Estimates the derivative at every sample by finite differences of the equally spaced
// samples and stores it in yprime[0] to yprime[length - 1]: the three-point forward difference
// at the first two samples, the five-point central difference in the body of the table and
// the three-point backward difference at the last two. x is not read.
// Throws Error when step is zero or an estimate is not a finite number.
void derivative(const Slots &x, const Slots &y, Slots &yprime, const int &length,
                const double &step);

} // namespace calc
