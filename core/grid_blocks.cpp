#include "core/grid_blocks.h"

std::vector<GridBlock> SplitGrid(double h, std::size_t blockPoints)
{
    std::vector<GridBlock> blocks;
    for (double phi = 0.0; phi <= kScanUpperBound;) {
        GridBlock block{phi, 0};
        for (; block.points < blockPoints && phi <= kScanUpperBound; phi = phi + h) ++block.points;
        blocks.push_back(block);
    }
    return blocks;
}
