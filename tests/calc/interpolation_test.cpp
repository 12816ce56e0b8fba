#include "../fakes.h"
#include "calc/interpolation.h"

#include <gtest/gtest.h>

namespace {

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

// What interpolation shows at xval, in the order written.
std::vector<std::string> shownAt(const calc::Table &t, double xval)
{
    RecordingDisplay display;
    const bool shown = calc::interpolate(display, ".", t.x, t.y, t.yprime, t.length, t.step, xval);
    EXPECT_EQ(shown, !display.writes.empty());
    return display.writes;
}

// y = x^2 at x = 0..4 with its exact derivative. A quadratic is reproduced exactly by both
// quadratic interpolants, and with u = 0.5 every step is exact in binary.
const calc::Table square = tableOf({0, 1, 2, 3, 4}, {0, 1, 4, 9, 16}, {0, 2, 4, 6, 8});

TEST(Interpolate, ShowsTheQuadraticBetweenSamples)
{
    const struct
    {
        double xval;
        std::vector<std::string> writes;
    } cases[] = {
        {0.5, {"y'=1.0000", "y=0.2500"}}, // forward, first interval
        {2.5, {"y'=5.0000", "y=6.2500"}}, // forward, i = 2
        {3.5, {"y'=7.0000", "y=12.2500"}}, // backward, the last interval
        {3.75, {"y'=7.5000", "y=14.0625"}},
    };
    for (const auto &[xval, writes] : cases)
        EXPECT_EQ(shownAt(square, xval), writes) << xval;
}

TEST(Interpolate, ShowsNothingOnASampleOrOutsideTheTable)
{
    for (double xval : {0.0, 1.0, 3.0, 4.0, -0.5, 4.5, 1e300})
        EXPECT_TRUE(shownAt(square, xval).empty()) << xval;
}

TEST(Interpolate, DoesNotExtrapolatePastTheLastSampleTowardsEmptySlots)
{
    // Negative abscissas: the slot after the last sample reads as x = 0, and -0.5 would lie
    // between the last sample and it.
    const calc::Table negative = tableOf({-4, -3, -2, -1}, {16, 9, 4, 1}, {-8, -6, -4, -2});
    EXPECT_TRUE(shownAt(negative, -0.5).empty());
    EXPECT_EQ(shownAt(negative, -1.5), (std::vector<std::string> {"y'=-3.0000", "y=2.2500"}));
}

TEST(Interpolate, HandlesAFullTableWithoutLookingPastIt)
{
    std::vector<double> x, y, yprime;
    for (int i = 0; i <= 100; ++i) {
        x.push_back(i);
        y.push_back(i * i);
        yprime.push_back(2 * i);
    }
    const calc::Table full = tableOf(x, y, yprime);
    EXPECT_EQ(shownAt(full, 99.5), (std::vector<std::string> {"y'=199.0000", "y=9900.2500"}));
    EXPECT_TRUE(shownAt(full, 100.5).empty());
}

TEST(Interpolate, LetsTheLastIntervalThatHoldsTheAbscissaDecide)
{
    // Not ascending: (0, 2) and (1, 3) both hold 1.5. With y = 0, 10, 20, 30 the forward
    // quadratic from x = 0 gives 15 at u = 1.5 and the backward one from x = 1 gives
    // (20 + 0.5 * 10) + 0.375 * 0 = 25 at u = 0.5.
    const calc::Table crossed = tableOf({0, 2, 1, 3}, {0, 10, 20, 30}, {0, 0, 0, 0});
    EXPECT_EQ(shownAt(crossed, 1.5),
              (std::vector<std::string> {"y'=0.0000", "y=15.0000", "y'=0.0000", "y=25.0000"}));
}

TEST(Interpolate, ThrowsRatherThanShowAnOverflow)
{
    const calc::Table huge = tableOf({0, 1, 2, 3}, {1e308, -1e308, 1e308, -1e308}, {0, 0, 0, 0});
    RecordingDisplay display;
    EXPECT_THROW(
        calc::interpolate(display, ".", huge.x, huge.y, huge.yprime, huge.length, huge.step, 0.5),
        calc::Error);
    EXPECT_TRUE(display.writes.empty());
}

} // namespace
