#pragma once

// Double-double arithmetic: a number carried as high + low, |low| at most about half a unit of
// rounding of high, for the few sums whose terms cancel beyond what a double can hold.
namespace double_double {

struct Pair {
    double high, low;
};

// a + b exactly, as its rounded sum and the rounding error (Knuth's TwoSum).
inline Pair TwoSum(double a, double b)
{
    const double sum = a + b;
    const double part = sum - b;
    return {sum, (a - part) + (b - (sum - part))};
}

// a + b, to about two units of rounding of a double-double.
inline Pair Add(Pair a, Pair b)
{
    const Pair sum = TwoSum(a.high, b.high);
    return TwoSum(sum.high, sum.low + (a.low + b.low));
}

// a * b, to about two units of rounding of a double-double; |a.high|, |b| far below 2^996.
inline Pair Multiply(Pair a, double b)
{
    const auto split = [](double x) {
        const double c = 134217729.0 * x;   // Veltkamp's split into two 26-bit halves
        const double high = c - (c - x);
        return Pair{high, x - high};
    };
    const double p = a.high * b;
    const Pair x = split(a.high), y = split(b);
    const double error = ((x.high * y.high - p) + x.high * y.low + x.low * y.high) + x.low * y.low;
    return TwoSum(p, error + a.low * b);
}

}  // namespace double_double
