#include "scan_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kTabHeader = "Ángulo\tDerivada de V\tV(Kcal/mol)\n";

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

const CoefficientSet kThirdHarmonic{0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0};

TEST(ScanTable, ListsTheLargestAngleFirstLikeTheMainWindow)
{
    const std::string text = ScanTableText(kThirdHarmonic, 0.005, TableFormat::Tab, RowOrder::LargestAngleFirst);
    ASSERT_TRUE(text.starts_with(kTabHeader));
    ASSERT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 5u);
    const char* starts[] = {"180\t", "120\t", "60\t", "0\t"};
    const char* ends[] = {"\t0", "\t3", "\t0", "\t3"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(lines[i + 1].starts_with(starts[i])) << lines[i + 1];
        EXPECT_TRUE(lines[i + 1].ends_with(ends[i])) << lines[i + 1];
        EXPECT_EQ(std::count(lines[i + 1].begin(), lines[i + 1].end(), '\t'), 2);
    }
}

TEST(ScanTable, ScanOrderAndCsvChangeOnlyOrderAndSeparator)
{
    const std::string tab = ScanTableText(kThirdHarmonic, 0.005, TableFormat::Tab, RowOrder::LargestAngleFirst);
    const std::string csv = ScanTableText(kThirdHarmonic, 0.005, TableFormat::Csv, RowOrder::ScanOrder);
    std::vector<std::string> tabLines = Lines(tab);
    std::reverse(tabLines.begin() + 1, tabLines.end());
    std::vector<std::string> csvLines = Lines(csv);
    ASSERT_EQ(csvLines.size(), tabLines.size());
    EXPECT_EQ(csvLines[0], "Ángulo,Derivada de V,V(Kcal/mol)");
    for (std::string& line : tabLines) std::replace(line.begin(), line.end(), '\t', ',');
    EXPECT_EQ(csvLines, tabLines);
    EXPECT_EQ(csv.find('\r'), std::string::npos);
    EXPECT_EQ(csv.find('"'), std::string::npos);
}

TEST(ScanTable, NoAcceptedPointLeavesTheHeaderAlone)
{
    const CoefficientSet huge{0.0, 1e308, 1e308, 1e308, 1e308, 1e308, 1e308};
    EXPECT_EQ(ScanTableText(huge, 1.0, TableFormat::Tab, RowOrder::LargestAngleFirst), kTabHeader);
    EXPECT_EQ(ScanTableText(huge, 1.0, TableFormat::Tab, RowOrder::ScanOrder), kTabHeader);
}

// With zero coefficients every grid point is a row: at h = 0.001 the table spans several
// output pieces, so line order and piece boundaries are both exercised.
TEST(ScanTable, LargeTablesComeInFewLargePiecesInExactReverse)
{
    const CoefficientSet zero{};
    std::vector<std::size_t> pieceSizes;
    std::string largestFirst;
    WriteScanTable(zero, 0.001, TableFormat::Tab, RowOrder::LargestAngleFirst, [&](std::string_view piece) {
        pieceSizes.push_back(piece.size());
        largestFirst += piece;
    });
    const std::string scanOrder = ScanTableText(zero, 0.001, TableFormat::Tab, RowOrder::ScanOrder);

    std::vector<std::string> expected = Lines(scanOrder);
    ASSERT_GT(expected.size(), 180000u);
    std::reverse(expected.begin() + 1, expected.end());
    EXPECT_EQ(Lines(largestFirst), expected);
    EXPECT_EQ(largestFirst.size(), scanOrder.size());
    EXPECT_TRUE(expected[1].starts_with("180.")) << expected[1];
    EXPECT_EQ(expected.back(), "0\t0\t0");

    EXPECT_LE(pieceSizes.size(), 2 + largestFirst.size() / (ScanTableWriter::kOutputPieceBytes / 2));
    for (const std::size_t size : pieceSizes) EXPECT_LE(size, ScanTableWriter::kOutputPieceBytes);
}

}  // namespace
