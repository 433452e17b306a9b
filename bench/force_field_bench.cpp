// Figures for zelmara-scan --force-field FILE --json on the largest force fields Debian ships:
// OPLS-AA's ffbonded.itp (gromacs-data, 1,048 torsions) and OpenMM's charmm36.xml
// (python3-simtk, about 6,100): wall time end to end (best of several runs), the child's peak
// memory beside the file's size, and the reading alone in this process. When python3 can import
// parmed, ParmEd's load of the GROMACS file is timed too and the ratio printed. Files that are
// missing are named and passed over. Figures only; it never fails.

#include "bench_timing.h"
#include "forcefield/force_field_file.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRepetitions = 5;

struct ChildRun {
    double seconds = 0.0;
    double cpuSeconds = 0.0;  // user and system
    double peakMegabytes = 0.0;
    bool ok = false;
};

// Runs the command with stdout and stderr sent to /dev/null.
ChildRun Run(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = BenchClock::now();
    pid_t child = 0;
    ChildRun run;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        run.seconds = SecondsSince(start);
        run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
        run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

ChildRun Best(const std::vector<std::string>& command)
{
    ChildRun best;
    for (int i = 0; i < kRepetitions; ++i) {
        const ChildRun run = Run(command);
        if (!run.ok) return run;
        if (i == 0 || run.seconds < best.seconds) best = run;
    }
    return best;
}

// Debian's own Python, where python3-parmed installs.
constexpr const char* kPython = "/usr/bin/python3";

bool ParmedInstalled() { return Run({kPython, "-c", "import parmed"}).ok; }

void Measure(const std::string& scan, const std::string& path, const char* parmedLoader)
{
    if (!std::filesystem::exists(path)) {
        std::printf("%s: missing, passed over\n", path.c_str());
        return;
    }
    const double fileMegabytes = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
    const ChildRun scanRun = Best({scan, "--force-field", path, "--json"});
    double readSeconds = 0.0;
    std::size_t torsions = 0;
    for (int i = 0; i < kRepetitions; ++i) {
        const auto start = BenchClock::now();
        const ForceFieldFileReading file = ReadForceFieldFile(path, {});
        const double seconds = SecondsSince(start);
        torsions = file.reading.torsions.size();
        if (i == 0 || seconds < readSeconds) readSeconds = seconds;
    }
    std::printf("%s (%.2f MB, %zu torsions)\n", path.c_str(), fileMegabytes, torsions);
    std::printf("  zelmara-scan --force-field --json: %.1f ms wall, %.1f ms CPU, peak %.1f MB (limit 2 x file + 30 = "
                "%.1f MB)%s\n", scanRun.seconds * 1e3, scanRun.cpuSeconds * 1e3, scanRun.peakMegabytes,
                2 * fileMegabytes + 30, scanRun.ok ? "" : " FAILED");
    std::printf("  reading alone, in process: %.1f ms\n", readSeconds * 1e3);
    if (!parmedLoader) return;
    if (!ParmedInstalled()) {
        std::printf("  ParmEd: /usr/bin/python3 cannot import parmed (Debian package python3-parmed), no ratio\n");
        return;
    }
    const std::string script = std::string("import parmed; ") + parmedLoader + "('" + path + "')";
    const ChildRun parmed = Best({kPython, "-c", script});
    const ChildRun import = Best({kPython, "-c", "import parmed"});
    if (parmed.ok)
        std::printf("  ParmEd %s: %.1f ms wall (%.1f ms of it Python and import parmed), %.1f x zelmara-scan's "
                    "wall time; %.1f x without Python's start\n",
                    parmedLoader, parmed.seconds * 1e3, import.seconds * 1e3, parmed.seconds / scanRun.seconds,
                    (parmed.seconds - import.seconds) / scanRun.seconds);
    else
        std::printf("  ParmEd %s failed on this file, no ratio\n", parmedLoader);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string scan = argc > 1 ? argv[1] : ZELMARA_SCAN_PATH;
    std::printf("best of %d runs\n", kRepetitions);
    Measure(scan, "/usr/share/gromacs/top/oplsaa.ff/ffbonded.itp", "parmed.gromacs.GromacsTopologyFile");
    Measure(scan, "/usr/lib/python3/dist-packages/openmm/app/data/charmm36.xml", nullptr);
    Measure(scan, "/usr/share/gromacs/top/charmm27.ff/forcefield.itp", "parmed.gromacs.GromacsTopologyFile");
    return 0;
}
