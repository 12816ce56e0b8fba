#include "calc/derivative.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::HasSubstr;
using testing::ThrowsMessage;

calc::Table tableOf(const std::vector<double> &y, double step)
{
    calc::Table table;
    for (std::size_t i = 0; i < y.size(); ++i)
        table.y[static_cast<int>(i)] = y[i];
    table.length = static_cast<int>(y.size());
    table.step = step;
    return table;
}

std::vector<double> derivatives(calc::Table table)
{
    calc::derivative(table.x, table.y, table.yprime, table.length, table.step);
    std::vector<double> yprime;
    for (int i = 0; i < table.length; ++i)
        yprime.push_back(table.yprime[i]);
    // Slots past the samples stay empty.
    EXPECT_EQ(table.yprime[table.length], 0);
    return yprime;
}

TEST(Derivative, IsExactForAQuadraticWithEveryRule)
{
    // y = x^2 at x = 0..5: all three rules are exact for a quadratic, and every intermediate
    // value is a small integer, so the estimates are exact.
    EXPECT_EQ(derivatives(tableOf({0, 1, 4, 9, 16, 25}, 1)),
              (std::vector<double> {0, 2, 4, 6, 8, 10}));
    // The same samples in descending order: step carries the sign.
    EXPECT_EQ(derivatives(tableOf({25, 16, 9, 4, 1, 0}, -1)),
              (std::vector<double> {10, 8, 6, 4, 2, 0}));
    // y = x^2 at x = 0, 0.5, 1, 1.5: two forward, two backward estimates.
    EXPECT_EQ(derivatives(tableOf({0, 0.25, 1, 2.25}, 0.5)), (std::vector<double> {0, 1, 2, 3}));
}

TEST(Derivative, ChoosesTheRuleBySample)
{
    // y = x^3 at x = 0..6 tells the rules apart: the five-point central difference is exact
    // for a cubic, the three-point ones are not. Worked by hand:
    //   i=0 forward  ((4*1 + -8) - 0) / 2                = -2
    //   i=1 forward  ((4*8 + -27) - 3) / 2               = 1
    //   i=2 central  (0 + ((8*27 + -64) - 8*1)) / 12     = 12
    //   i=3 central  (1 + ((8*64 + -125) - 8*8)) / 12    = 27
    //   i=4 central  (8 + ((8*125 + -216) - 8*27)) / 12  = 48
    //   i=5 backward (27 + (3*125 - 4*64)) / 2           = 73
    //   i=6 backward (64 + (3*216 - 4*125)) / 2          = 106
    EXPECT_EQ(derivatives(tableOf({0, 1, 8, 27, 64, 125, 216}, 1)),
              (std::vector<double> {-2, 1, 12, 27, 48, 73, 106}));
}

TEST(Derivative, ReadsEmptySlotsAsZeroInShortTables)
{
    // The reader refuses fewer than four samples, but derivative takes any table it is given.
    // Two samples y = 1, 3: the forward rule at both reads the empty slots as 0.
    EXPECT_EQ(derivatives(tableOf({1, 3}, 1)), (std::vector<double> {4.5, -4.5}));
}

TEST(Derivative, ThrowsForZeroSpacingAndForOverflow)
{
    // The reader refuses a table without spacing, but derivative takes any table it is given.
    EXPECT_THAT(
        [] {
            derivatives(tableOf({0, 1, 2, 3}, 0));
        },
        ThrowsMessage<calc::Error>(HasSubstr("no spacing")));
    EXPECT_THAT(
        [] {
            derivatives(tableOf({1e308, -1e308, 1e308, -1e308}, 1e-10));
        },
        ThrowsMessage<calc::Error>(HasSubstr("derivative at sample 1 is too large")));
}

} // namespace
