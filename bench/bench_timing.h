#pragma once

// Timing pieces the benchmark programs share: wall time, peak memory, best-of-N, and the floor
// that any scan of a grid pays, six sines per grid point and nothing else.

#include "extremum_scan.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>

using BenchClock = std::chrono::steady_clock;

inline double SecondsSince(BenchClock::time_point start)
{
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}

// The process's peak resident memory so far, in MB.
inline double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;   // ru_maxrss is in KiB on Linux
}

// Best wall time in seconds of repetitions calls of work; work returns a value that is added to
// keep, which the caller prints so that the compiler cannot drop the work.
template <class Work>
double BestSeconds(int repetitions, Work&& work, double& keep)
{
    double best = 1e300;
    for (int i = 0; i < repetitions; ++i) {
        const BenchClock::time_point start = BenchClock::now();
        keep += work();
        best = std::min(best, SecondsSince(start));
    }
    return best;
}

// The scan's grid at step h, walked as the scan walks it, with the six term sines of every point
// summed and nothing else done.
inline double SixSinesPerGridPoint(double h)
{
    constexpr double kPi = 3.141592653589793;
    double sum = 0.0;
    for (double phi = 0.0; phi <= kScanUpperBound; phi = phi + h) {
        const double s = 180.0 - phi;
        for (int n = 1; n <= 6; ++n) sum += std::sin(((n * s) * kPi) / 180.0);
    }
    return sum;
}
