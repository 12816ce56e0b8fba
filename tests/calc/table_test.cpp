#include "calc/table.h"

#include <gmock/gmock.h>
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
    using testing::HasSubstr;
    using testing::ThrowsMessage;
    for (int i : {-1, 101, 1000}) {
        const auto index = HasSubstr("index " + std::to_string(i) + " lies outside");
        EXPECT_THAT([&] { slots[i] = 3; }, ThrowsMessage<calc::Error>(index)) << i;
        EXPECT_THAT([&] { static_cast<void>(std::as_const(slots)[i]); },
                    ThrowsMessage<calc::Error>(index))
            << i;
    }
}

} // namespace
