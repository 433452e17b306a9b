#pragma once

// Least squares by Householder QR with column pivoting, for tall matrices of a few columns.

#include <cstddef>
#include <vector>

struct LeastSquaresSolution {
    std::vector<double> x;   // meaningful only when rank equals the column count
    std::size_t rank = 0;
};

// Minimises |A x - b| for A of rows x columns (row-major, rows >= 1, columns >= 1). The rank is
// the number of pivoted Householder steps whose remaining column norm exceeds
// relativeTolerance times the largest column norm of A; x is solved only at full rank.
LeastSquaresSolution SolveLeastSquares(std::vector<double> a, std::vector<double> b, std::size_t rows,
                                       std::size_t columns, double relativeTolerance);
