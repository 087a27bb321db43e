#include "ui/logic/numeric_text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(LogicNumericText, TheNumberATextBeginsWith) {
    EXPECT_EQ(NumericValue(" 2"), 2.0);
    EXPECT_EQ(NumericValue("3"), 3.0);
    EXPECT_EQ(NumericValue("\t-1"), -1.0);
    EXPECT_EQ(NumericValue("12abc"), 12.0);
    EXPECT_EQ(NumericValue("2.75"), 2.75);
    EXPECT_EQ(NumericValue("abc"), 0.0);
    EXPECT_EQ(NumericValue(""), 0.0);
    EXPECT_EQ(NumericValue("-"), 0.0);
}

TEST(LogicNumericText, WholeNumbersRoundHalvesToEvenAndStayInRange) {
    EXPECT_EQ(WholeNumberWithin(2.5, 1, 3), 2);
    EXPECT_EQ(WholeNumberWithin(3.5, 1, 9), 4);
    EXPECT_EQ(WholeNumberWithin(2.6, 1, 3), 3);
    EXPECT_EQ(WholeNumberWithin(0.4, 1, 3), std::nullopt);
    EXPECT_EQ(WholeNumberWithin(4.0, 1, 3), std::nullopt);
    EXPECT_EQ(WholeNumberWithin(1e300, 1, 3), std::nullopt);
}

} // namespace
} // namespace orvane
