#include "calc/table.h"

#include <gtest/gtest.h>

namespace {

TEST(Slots, AFreshTableReadsZeroInEverySlot)
{
    const calc::Table table;
    for (int i = 0; i <= 100; ++i) {
        EXPECT_EQ(table.x[i], 0) << i;
        EXPECT_EQ(table.y[i], 0) << i;
        EXPECT_EQ(table.yprime[i], 0) << i;
    }
}

TEST(Slots, HoldsOneHundredAndOneSlotsAndNoMore)
{
    calc::Slots slots;
    slots[0] = 1;
    slots[100] = 2;
    EXPECT_EQ(slots[0], 1);
    EXPECT_EQ(slots[100], 2);
    EXPECT_EQ(slots[50], 0);
    for (int i : {-1, 101, 1000}) {
        EXPECT_THROW(slots[i] = 3, calc::Error) << i;
        EXPECT_THROW(static_cast<void>(std::as_const(slots)[i]), calc::Error) << i;
    }
}

} // namespace
