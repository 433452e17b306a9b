#pragma once

// Timing pieces the benchmark programs share: wall time, peak memory, best-of-N, and the floor
// that any scan of a grid pays, six sines per grid point and nothing else.

#include "core/extremum_scan.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include <algorithm>
#include <chrono>
#include <cmath>

using BenchClock = std::chrono::steady_clock;

inline double SecondsSince(BenchClock::time_point start)
{
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}

// The process's peak resident memory (on Windows, its peak working set) so far, in MB.
inline double PeakResidentMegabytes()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;   // ru_maxrss is in KiB on Linux
#endif
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
