#pragma once

#include "core/coefficient_set.h"
#include "core/extremum_scan.h"

#include <cstddef>
#include <vector>

// The scan's grid cut into runs of consecutive points, so that runs can be scanned apart (on
// several threads, or last run first) and still visit exactly the angles ScanForExtrema visits.

// A run of grid points: the running angle at its first point, and how many points it has.
struct GridBlock {
    double firstAngle;
    std::size_t points;
};

// The grid of step h (kMinPrecision <= h <= kMaxPrecision) in blocks of blockPoints points
// (blockPoints > 0; the last block may be shorter), in increasing angle. Found by the scan's
// own repeated addition, without evaluating the potential.
std::vector<GridBlock> SplitGrid(double h, std::size_t blockPoints);

// Calls sink(row) for every accepted point of block, in increasing angle, with the same
// angles and values as ScanForExtrema gives for those points.
template <class Sink>
void ScanGridBlock(const CoefficientSet& V, double h, const GridBlock& block, Sink&& sink)
{
    double phi = block.firstAngle;
    for (std::size_t i = 0; i < block.points; ++i, phi = phi + h) ScanGridPoint(V, h, phi, sink);
}
