#include "householder_qr.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The Euclidean norm of column j from row k down, scaled against overflow and underflow.
double ColumnNorm(const std::vector<double>& a, std::size_t rows, std::size_t columns, std::size_t k, std::size_t j)
{
    double scale = 0.0;
    for (std::size_t i = k; i < rows; ++i) scale = std::max(scale, std::fabs(a[i * columns + j]));
    if (scale == 0.0) return 0.0;
    double sum = 0.0;
    for (std::size_t i = k; i < rows; ++i) {
        const double v = a[i * columns + j] / scale;
        sum += v * v;
    }
    return scale * std::sqrt(sum);
}

}  // namespace

LeastSquaresSolution SolveLeastSquares(std::vector<double> a, std::vector<double> b, std::size_t rows,
                                       std::size_t columns, double relativeTolerance)
{
    LeastSquaresSolution solution;
    std::vector<std::size_t> order(columns);
    std::iota(order.begin(), order.end(), std::size_t{0});
    double largest = 0.0;
    for (std::size_t j = 0; j < columns; ++j) largest = std::max(largest, ColumnNorm(a, rows, columns, 0, j));
    const std::size_t steps = std::min(rows, columns);
    for (std::size_t k = 0; k < steps; ++k) {
        // The column with the largest remaining norm goes next.
        std::size_t pivot = k;
        double norm = ColumnNorm(a, rows, columns, k, k);
        for (std::size_t j = k + 1; j < columns; ++j)
            if (const double n = ColumnNorm(a, rows, columns, k, j); n > norm) norm = n, pivot = j;
        if (!(norm > relativeTolerance * largest)) break;
        if (pivot != k) {
            for (std::size_t i = 0; i < rows; ++i) std::swap(a[i * columns + k], a[i * columns + pivot]);
            std::swap(order[k], order[pivot]);
        }
        // The reflection I - 2 v v' / (v' v) that takes column k below row k to (alpha, 0, ...).
        const double alpha = a[k * columns + k] > 0.0 ? -norm : norm;
        std::vector<double> v(rows - k);
        for (std::size_t i = k; i < rows; ++i) v[i - k] = a[i * columns + k];
        v[0] -= alpha;
        const double vv = std::inner_product(v.begin(), v.end(), v.begin(), 0.0);
        const auto reflect = [&](auto at) {
            double dot = 0.0;
            for (std::size_t i = k; i < rows; ++i) dot += v[i - k] * at(i);
            const double factor = 2.0 * dot / vv;
            for (std::size_t i = k; i < rows; ++i) at(i) -= factor * v[i - k];
        };
        if (vv > 0.0) {
            for (std::size_t j = k + 1; j < columns; ++j) reflect([&](std::size_t i) -> double& { return a[i * columns + j]; });
            reflect([&](std::size_t i) -> double& { return b[i]; });
        }
        a[k * columns + k] = alpha;
        for (std::size_t i = k + 1; i < rows; ++i) a[i * columns + k] = 0.0;
        solution.rank = k + 1;
    }
    if (solution.rank < columns) return solution;

    std::vector<double> z(columns);
    for (std::size_t k = columns; k-- > 0;) {
        double sum = b[k];
        for (std::size_t j = k + 1; j < columns; ++j) sum -= a[k * columns + j] * z[j];
        z[k] = sum / a[k * columns + k];
    }
    solution.x.assign(columns, 0.0);
    for (std::size_t k = 0; k < columns; ++k) solution.x[order[k]] = z[k];
    return solution;
}
