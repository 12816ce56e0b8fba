#include "derivative.h"

#include "platform/numbers.h"

#include <cmath>

namespace calc {

// The brackets of each formula fix the order of evaluation and so the rounding: the terms of
// a numerator are combined in the order written, and the denominator is formed first and
// divides the whole numerator once. Slots beyond the samples read as 0.
void derivative(const Slots & /*x*/, const Slots &y, Slots &yprime, const int &length,
                const double &step)
{
    const double h = step;
    if (h == 0)
        throw Error(Message(texts::noSpacing));
    for (int i = 0; i < length; ++i) {
        if (i < 2)
            yprime[i] = ((4 * y[i + 1] + (-y[i + 2])) - 3 * y[i]) / (2 * h);
        else if (i > 1 && i < length - 2)
            yprime[i] = (y[i - 2] + ((8 * y[i + 1] + (-y[i + 2])) - 8 * y[i - 1])) / (12 * h);
        else if (i > length - 3)
            yprime[i] = (y[i - 2] + (3 * y[i] - 4 * y[i - 1])) / (2 * h);
        if (!std::isfinite(yprime[i]))
            throw Error(
                Message(texts::derivativeTooLarge, {Message::Count {i + 1}, Message::Number {h}}));
    }
}

} // namespace calc
