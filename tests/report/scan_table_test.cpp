#include "report/scan_table.h"

#include "core/extremum_scan.h"
#include "text/number_text.h"

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

// With zero coefficients every grid point is a row: at h = 0.001 the table spans many blocks,
// so line order across block boundaries is exercised.
TEST(ScanTable, LargeTablesComeInFewLargePiecesInExactReverse)
{
    const CoefficientSet zero{};
    std::size_t pieces = 0;
    std::string largestFirst;
    WriteScanTable(zero, 0.001, TableFormat::Tab, RowOrder::LargestAngleFirst, [&](std::string_view piece) {
        ++pieces;
        EXPECT_LE(std::count(piece.begin(), piece.end(), '\n'), kTableBlockPoints);
        largestFirst += piece;
    }, 2);
    std::vector<std::string> expected = Lines(ScanTableText(zero, 0.001, TableFormat::Tab, RowOrder::ScanOrder));
    ASSERT_GT(expected.size(), 180000u);
    std::reverse(expected.begin() + 1, expected.end());
    EXPECT_EQ(Lines(largestFirst), expected);
    EXPECT_EQ(expected.back(), "0\t0\t0");
    EXPECT_EQ(pieces, 1 + (expected.size() - 1 + kTableBlockPoints - 1) / kTableBlockPoints);
}

// The table as the plain sequential scan gives it, one row at a time.
std::string SequentialTable(const CoefficientSet& V, double h, RowOrder order)
{
    std::vector<ExtremumRow> rows;
    ScanForExtrema(V, h, [&rows](const ExtremumRow& row) { rows.push_back(row); });
    if (order == RowOrder::LargestAngleFirst) std::reverse(rows.begin(), rows.end());
    std::string table = "Ángulo\tDerivada de V\tV(Kcal/mol)\n";
    for (const ExtremumRow& row : rows)
        table.append(FormatG(row.angle)).append("\t").append(FormatG(row.derivative)).append("\t")
            .append(FormatG(row.potential)).append("\n");
    return table;
}

TEST(ScanTable, EveryThreadCountGivesTheBytesOfTheSequentialScan)
{
    const CoefficientSet sets[] = {
        {}, {0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 1.3, -0.157, 2.5, 0.75, -1.1, 0.4}};
    for (const CoefficientSet& V : sets) {
        for (const double h : {180.0, 0.3, 0.1, 0.0001}) {
            for (const RowOrder order : {RowOrder::LargestAngleFirst, RowOrder::ScanOrder}) {
                const std::string expected = SequentialTable(V, h, order);
                for (const unsigned threads : {1u, 2u, 3u, 8u})
                    ASSERT_EQ(ScanTableText(V, h, TableFormat::Tab, order, threads), expected)
                        << "V1 " << V[1] << ", h " << h << ", " << threads << " threads";
            }
        }
    }
}

}  // namespace
