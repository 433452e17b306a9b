#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Python's json module proves the outputs valid (check_json_output.py); here, the fewest digits.
TEST(JsonNumber, IsTheShortestTextThatReadsBackAndNullWhenNotFinite)
{
    EXPECT_EQ(JsonNumber(180.0), "180");
    EXPECT_EQ(JsonNumber(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(JsonNumber(5e-324), "5e-324");
    EXPECT_EQ(JsonNumber(-0.0), "-0");
    EXPECT_EQ(JsonNumber(-1.7976931348623157e308), "-1.7976931348623157e+308");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonNumber(std::nan("")), "null");
}

}  // namespace
