#include "scan_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

TEST(ScanTable, OrderAndFormChangeOnlyLineOrderAndSeparator)
{
    const CoefficientSet V{0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0};
    const std::string tab = ScanTableText(V, 0.005, TableFormat::Tab, RowOrder::LargestAngleFirst);
    std::vector<std::string> lines = Lines(tab);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Ángulo\tDerivada de V\tV(Kcal/mol)");
    EXPECT_TRUE(lines[1].starts_with("180\t") && lines[1].ends_with("\t0")) << lines[1];
    EXPECT_TRUE(lines[4].starts_with("0\t") && lines[4].ends_with("\t3")) << lines[4];
    EXPECT_EQ(tab.back(), '\n');

    std::reverse(lines.begin() + 1, lines.end());
    for (std::string& line : lines) std::replace(line.begin(), line.end(), '\t', ',');
    const std::string csv = ScanTableText(V, 0.005, TableFormat::Csv, RowOrder::ScanOrder);
    EXPECT_EQ(Lines(csv), lines);
    EXPECT_EQ(csv.size(), tab.size());
}

// With zero coefficients every grid point is a row: at h = 0.001 the table spans several
// output pieces, so line order across piece boundaries is exercised.
TEST(ScanTable, LargeTablesComeInFewLargePiecesInExactReverse)
{
    const CoefficientSet zero{};
    std::vector<std::size_t> pieceSizes;
    std::string largestFirst;
    WriteScanTable(zero, 0.001, TableFormat::Tab, RowOrder::LargestAngleFirst, [&](std::string_view piece) {
        pieceSizes.push_back(piece.size());
        largestFirst += piece;
    });
    std::vector<std::string> expected = Lines(ScanTableText(zero, 0.001, TableFormat::Tab, RowOrder::ScanOrder));
    ASSERT_GT(expected.size(), 180000u);
    std::reverse(expected.begin() + 1, expected.end());
    EXPECT_EQ(Lines(largestFirst), expected);
    EXPECT_EQ(expected.back(), "0\t0\t0");

    EXPECT_LE(pieceSizes.size(), 2 + largestFirst.size() / (ScanTableWriter::kOutputPieceBytes / 2));
    for (const std::size_t size : pieceSizes) EXPECT_LE(size, ScanTableWriter::kOutputPieceBytes);
}

}  // namespace
