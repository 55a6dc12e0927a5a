#include "store/russiancollation.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

struct Ordered {
    const char* smaller;
    const char* larger;
};

class RussianOrderTest : public ::testing::TestWithParam<Ordered> {};

TEST_P(RussianOrderTest, SortsBeforeAndAfter) {
    const Ordered& pair = GetParam();
    EXPECT_LT(compareRussian(pair.smaller, pair.larger), 0);
    EXPECT_GT(compareRussian(pair.larger, pair.smaller), 0);
}

INSTANTIATE_TEST_SUITE_P(Pairs, RussianOrderTest,
                         ::testing::Values(Ordered{"1С", "Справочники"}, Ordered{"Zeta", "абв"},
                                           Ordered{"alpha", "Beta"}, Ordered{"Банки", "валюты"},
                                           Ordered{"Елка", "Ёлка"}, Ordered{"ёлка", "Жук"},
                                           Ordered{"Яблоко", "яблоко1"}, Ordered{"", "а"},
                                           Ordered{"Эхо", "юла"}, Ordered{"ИВАН", "йод"}));

TEST(RussianOrder, IgnoresLetterCase) {
    EXPECT_EQ(compareRussian("СПРАВОЧНИКИ", "справочники"), 0);
    EXPECT_EQ(compareRussian("Clients", "cLIENTS"), 0);
    EXPECT_EQ(compareRussian("ЁЖ", "ёж"), 0);
}

} // namespace
} // namespace kelvane
