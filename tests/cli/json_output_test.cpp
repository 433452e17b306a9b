#include "grid_json.h"
#include "json_reader.h"
#include "json_text.h"

#include "extremum_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(JsonNumber, IsTheShortestTextThatReadsBackAndNullWhenNotFinite)
{
    EXPECT_EQ(JsonNumber(180.0), "180");
    EXPECT_EQ(JsonNumber(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(JsonNumber(5e-324), "5e-324");
    EXPECT_EQ(JsonNumber(-0.0), "-0");
    EXPECT_EQ(JsonNumber(1e22), "1e+22");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonNumber(std::nan("")), "null");
    for (const double value : {-1.7976931348623157e308, 2.2250738585072014e-308, 123456.789, 0.0001}) {
        const std::optional<JsonValue> read = ReadJson(JsonNumber(value));
        ASSERT_TRUE(read.has_value()) << JsonNumber(value);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read->number), std::bit_cast<std::uint64_t>(value));
    }
}

std::optional<JsonValue> GridJson(const CoefficientSet& V, double h, RowOrder order, unsigned threads)
{
    std::string text;
    WriteGridJson(V, h, order, [&text](std::string_view piece) { text += piece; }, threads);
    EXPECT_TRUE(text.ends_with("]}\n"));
    return ReadJson(text);
}

// Every number must read back to the very double of the scan, in the table's order.
TEST(GridJson, IsValidJsonWithTheScansRowsExactly)
{
    const CoefficientSet sets[] = {{}, {0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0}, {0.0, 1e308, 1e308, 0.0, 0.0, 0.0, 0.0}};
    for (const CoefficientSet& V : sets) {
        for (const RowOrder order : {RowOrder::LargestAngleFirst, RowOrder::ScanOrder}) {
            std::vector<ExtremumRow> rows;
            ScanForExtrema(V, 0.001, [&rows](const ExtremumRow& row) { rows.push_back(row); });
            if (order == RowOrder::LargestAngleFirst) std::reverse(rows.begin(), rows.end());

            const std::optional<JsonValue> json = GridJson(V, 0.001, order, 3);
            ASSERT_TRUE(json.has_value()) << "V1 " << V[1] << ", V3 " << V[3];
            EXPECT_EQ(json->members.size(), 3u);
            EXPECT_EQ((*json)["precision"].number, 0.001);
            for (std::size_t n = 1; n <= 6; ++n) EXPECT_EQ((*json)["V"][n - 1].number, V[n]);
            const JsonValue& got = (*json)["rows"];
            ASSERT_EQ(got.items.size(), rows.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                ASSERT_EQ(got[i].members.size(), 3u);
                ASSERT_EQ(got[i]["angle"].number, rows[i].angle) << i;
                ASSERT_EQ(got[i]["derivative"].number, rows[i].derivative) << i;
                ASSERT_EQ(got[i]["potential"].number, rows[i].potential) << i;
            }
        }
    }
}

TEST(JsonReader, RefusesWhatIsNotJson)
{
    for (const char* bad : {"", "{", "[1,]", "{\"a\": 1,}", "01", "1.", ".5", "-", "1e", "inf", "nan", "\"a\nb\"",
                            "{\"a\": 1, \"a\": 2}", "[1] 2", "tru"})
        EXPECT_FALSE(ReadJson(bad).has_value()) << bad;
    EXPECT_TRUE(ReadJson(" {\"a\": [1, -0.5e+3, true, null, \"x\\\"\"]} ").has_value());
}

}  // namespace
