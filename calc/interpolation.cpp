#include "interpolation.h"

namespace calc {

namespace {

// Newton's forward-difference quadratic through A[i], A[i+1], A[i+2] at u = (xval - x[i]) / h.
// The brackets fix the order of evaluation: the first-order part first, the coefficient as a
// product divided by 2, then the second difference, and one last addition.
double forward(const Slots &A, int i, double u)
{
    return (A[i] + u * (A[i + 1] - A[i])) +
        ((u * (u - 1)) / 2) * ((A[i + 2] - 2 * A[i + 1]) + A[i]);
}

// Newton's backward-difference quadratic through A[i-2], A[i-1], A[i] at u = (xval - x[i]) / h.
double backward(const Slots &A, int i, double u)
{
    return (A[i] + u * (A[i] - A[i - 1])) +
        ((u * (u + 1)) / 2) * ((A[i] - 2 * A[i - 1]) + A[i - 2]);
}

bool holds(const Slots &x, int i, double xval)
{
    const bool above = xval > x[i];
    const bool below = xval < x[i + 1];
    return above && below;
}

} // namespace

std::optional<Point> interpolate(const Slots &x, const Slots &y, const Slots &yprime,
                                 const int &length, const double &step, const double &xval)
{
    const int n = length;
    std::optional<Point> found;
    const auto tryInterval = [&](int i, double (*formula)(const Slots &, int, double)) {
        if (!holds(x, i, xval))
            return;
        const double u = (xval - x[i]) / step;
        const double value = formula(y, i, u);
        found = Point {formula(yprime, i, u), value};
    };
    for (int i = 0; i <= n - 3; ++i)
        tryInterval(i, forward);
    // The backward pass ends at n - 2: past the last sample there is nothing to interpolate.
    if (n >= 2)
        tryInterval(n - 2, backward);
    return found;
}

} // namespace calc
