// Figures for the scan at the finest step, 0.0001 (about 1.8 million grid points): the scan with
// every coefficient zero, with V1 = 1 alone and with all six non-zero, the floor that any scan of this grid pays
// (six sines per point and nothing else), the text form of every row of the all-zero scan, and
// zelmara-scan's whole table of that scan on one thread and on the default thread count.
// Each time is the best of several runs. It prints figures only; it never fails.

#include "bench_timing.h"
#include "core/extremum_scan.h"
#include "report/row_text.h"
#include "report/scan_table.h"
#include "system/ordered_pieces.h"

#include <cstddef>
#include <cstdio>
#include <vector>

namespace {

constexpr double kStep = 0.0001;
constexpr int kRepetitions = 7;

double ScanChecksum(const CoefficientSet& V)
{
    double sum = 0.0;
    ScanForExtrema(V, kStep, [&sum](const ExtremumRow& row) { sum += row.angle + row.potential; });
    return sum;
}

double TableBytes(unsigned threads)
{
    std::size_t bytes = 0;
    WriteScanTable(CoefficientSet{}, kStep, TableFormat::Tab, RowOrder::LargestAngleFirst,
                   [&bytes](std::string_view piece) { bytes += piece.size(); }, threads);
    return static_cast<double>(bytes);
}

}  // namespace

int main()
{
    double keep = 0.0;
    const CoefficientSet zero{};
    CoefficientSet firstHarmonic{};
    firstHarmonic[1] = 1.0;
    const CoefficientSet allSix{0.0, 1.3, -0.157, 2.5, 0.75, -1.1, 0.4};

    const double scanZero = BestSeconds(kRepetitions, [&] { return ScanChecksum(zero); }, keep);
    const double scanFirstHarmonic = BestSeconds(kRepetitions, [&] { return ScanChecksum(firstHarmonic); }, keep);
    const double scanAllSix = BestSeconds(kRepetitions, [&] { return ScanChecksum(allSix); }, keep);
    const double floor = BestSeconds(kRepetitions, [] { return SixSinesPerGridPoint(kStep); }, keep);

    std::vector<ExtremumRow> rows;
    ScanForExtrema(zero, kStep, [&rows](const ExtremumRow& row) { rows.push_back(row); });
    const double textForm = BestSeconds(
        kRepetitions, [&rows] {
            std::size_t bytes = 0;
            for (const ExtremumRow& row : rows) {
                const ExtremumRowText text = FormatRow(row);
                bytes += static_cast<std::size_t>(text.angle[0] + text.derivative[0] + text.potential[0]);
            }
            return static_cast<double>(bytes);
        },
        keep);

    const unsigned threads = DefaultThreadCount();
    const double tableOneThread = BestSeconds(kRepetitions, [] { return TableBytes(1); }, keep);
    const double tableThreads = BestSeconds(kRepetitions, [threads] { return TableBytes(threads); }, keep);

    std::printf("grid step %g: %zu grid points, best of %d runs\n", kStep, rows.size(), kRepetitions);
    std::printf("scan, all coefficients zero   %8.2f ms\n", scanZero * 1e3);
    std::printf("scan, V1 = 1 alone            %8.2f ms\n", scanFirstHarmonic * 1e3);
    std::printf("scan, all six non-zero        %8.2f ms\n", scanAllSix * 1e3);
    std::printf("floor, six sines per point    %8.2f ms\n", floor * 1e3);
    std::printf("ratio scan (V1 = 1) / floor   %8.3f  (target <= 1.15)\n", scanFirstHarmonic / floor);
    std::printf("ratio scan (all six) / floor  %8.3f\n", scanAllSix / floor);
    std::printf("text form of %zu rows    %8.2f ms  (%.1f ns per row)\n", rows.size(), textForm * 1e3,
                textForm * 1e9 / static_cast<double>(rows.size()));
    std::printf("table, all zero, 1 thread     %8.2f ms\n", tableOneThread * 1e3);
    std::printf("table, all zero, %u threads    %8.2f ms  (ratio %.2f)\n", threads, tableThreads * 1e3,
                tableOneThread / tableThreads);
    std::printf("(checksum %g)\n", keep);
}
