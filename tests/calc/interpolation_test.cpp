#include "calc/interpolation.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using calc::Point;

calc::Table tableOf(const std::vector<double> &x, const std::vector<double> &y,
                    const std::vector<double> &yprime)
{
    calc::Table table;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const int slot = static_cast<int>(i);
        table.x[slot] = x[i];
        table.y[slot] = y[i];
        table.yprime[slot] = yprime[i];
    }
    table.length = static_cast<int>(x.size());
    table.step = (x.back() - x.front()) / (table.length - 1);
    return table;
}

std::optional<Point> at(const calc::Table &t, double xval)
{
    return calc::interpolate(t.x, t.y, t.yprime, t.length, t.step, xval);
}

// y = x^2 at x = 0..4 with its exact derivative. A quadratic is reproduced exactly by both
// quadratic interpolants, and with u = 0.5 or 0.75 every step is exact in binary.
const calc::Table square = tableOf({0, 1, 2, 3, 4}, {0, 1, 4, 9, 16}, {0, 2, 4, 6, 8});

TEST(Interpolate, ReproducesAQuadraticBetweenSamples)
{
    const struct
    {
        double xval;
        Point point;
    } cases[] = {
        {0.5, {1, 0.25}}, // forward, first interval
        {2.5, {5, 6.25}}, // forward, i = 2
        {3.5, {7, 12.25}}, // backward, the last interval
        {3.75, {7.5, 14.0625}},
    };
    for (const auto &[xval, point] : cases)
        EXPECT_EQ(at(square, xval), point) << xval;
}

TEST(Interpolate, TellsTheForwardFromTheBackwardFormula)
{
    // y = x^3 at x = 0..3, y' its exact derivative: the two quadratics differ on a cubic.
    // Forward from x = 0 at u = 0.5: (0 + 0.5 * 1) + (-0.125) * ((8 - 2) + 0) = -0.25 and
    // (0 + 0.5 * 3) + (-0.125) * ((12 - 6) + 0) = 0.75.
    // Backward from x = 2 at u = 0.5, through x = 0, 1, 2: (8 + 0.5 * 7) + 0.375 * ((8 - 2) + 0)
    // = 13.75 and (12 + 0.5 * 9) + 0.375 * ((12 - 6) + 0) = 18.75.
    const calc::Table cube = tableOf({0, 1, 2, 3}, {0, 1, 8, 27}, {0, 3, 12, 27});
    EXPECT_EQ(at(cube, 0.5), (Point {0.75, -0.25}));
    EXPECT_EQ(at(cube, 2.5), (Point {18.75, 13.75}));
}

TEST(Interpolate, FindsNothingOnASampleOrOutsideTheTable)
{
    for (double xval : {0.0, 1.0, 3.0, 4.0, -0.5, 4.5, 1e300})
        EXPECT_FALSE(at(square, xval).has_value()) << xval;
}

TEST(Interpolate, DoesNotExtrapolatePastTheLastSampleTowardsEmptySlots)
{
    // Negative abscissas: the slot after the last sample reads as x = 0, and -0.5 would lie
    // between the last sample and it.
    const calc::Table negative = tableOf({-4, -3, -2, -1}, {16, 9, 4, 1}, {-8, -6, -4, -2});
    EXPECT_FALSE(at(negative, -0.5).has_value());
    EXPECT_EQ(at(negative, -1.5), (Point {-3, 2.25}));
}

TEST(Interpolate, HandlesAFullTableWithoutLookingPastIt)
{
    std::vector<double> x, y, yprime;
    for (int i = 0; i < calc::slotCount; ++i) {
        x.push_back(i);
        y.push_back(i * i);
        yprime.push_back(2 * i);
    }
    const calc::Table full = tableOf(x, y, yprime);
    EXPECT_EQ(at(full, 99.5), (Point {199, 9900.25}));
    EXPECT_FALSE(at(full, 100.5).has_value());
}

TEST(Interpolate, LetsTheLastIntervalThatHoldsTheAbscissaDecide)
{
    // The reader refuses a table that is not ascending or descending, but interpolate takes
    // any table it is given. (0, 2) and (1, 3) both hold 1.5. With y = 0, 10, 20, 30 the
    // forward quadratic from x = 0 gives 15 at u = 1.5, and the backward one from x = 1 gives
    // (20 + 0.5 * 10) + 0.375 * 0 = 25 at u = 0.5, which is the one found.
    const calc::Table crossed = tableOf({0, 2, 1, 3}, {0, 10, 20, 30}, {0, 0, 0, 0});
    EXPECT_EQ(at(crossed, 1.5), (Point {0, 25}));
}

TEST(Interpolate, ReturnsAnOverflowAsItIsForTheCalculationToRefuse)
{
    const calc::Table huge = tableOf({0, 1, 2, 3}, {1e308, -1e308, 1e308, -1e308}, {0, 0, 0, 0});
    const std::optional<Point> found = at(huge, 0.5);
    ASSERT_TRUE(found.has_value());
    EXPECT_FALSE(std::isfinite(found->y));
}

} // namespace
