// RunXtbScan on POSIX systems: fork, exec and wait.

#include "xtb_run.h"

#include "text/number_text.h"
#include "cli/shown_text.h"
#include "system/file_read.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// On POSIX systems a path's native form is the UTF-8 ReadWholeFile takes.
std::optional<std::string> ReadWhole(const fs::path& path)
{
    FileReading reading = ReadWholeFile(path.string(), kMaxProfileFileBytes);
    if (!reading.ok()) return std::nullopt;
    return std::move(reading.text);
}

bool WriteWhole(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

// The xtb program on PATH, or nothing.
std::optional<std::string> FindXtb()
{
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "";
    while (true) {
        const std::string_view folder = rest.substr(0, rest.find(':'));
        const std::string candidate = std::string(folder.empty() ? "." : folder) + "/xtb";
        if (access(candidate.c_str(), X_OK) == 0 && !fs::is_directory(candidate)) return candidate;
        if (folder.size() == rest.size()) return std::nullopt;
        rest.remove_prefix(folder.size() + 1);
    }
}

std::string ScanInput(const DihedralAtoms& atoms, double start, double step)
{
    const int steps = static_cast<int>(std::lround(360.0 / step));
    const std::string list = std::to_string(atoms[0]) + "," + std::to_string(atoms[1]) + "," +
                             std::to_string(atoms[2]) + "," + std::to_string(atoms[3]);
    return "$constrain\n   force constant=5.0\n   dihedral: " + list + "," + FormatRoundTrip(start) +
           "\n$scan\n   1: " + FormatRoundTrip(start) + "," + FormatRoundTrip(start + (steps - 1) * step) + "," +
           std::to_string(steps) + "\n$end\n";
}

// The line of xtb's output that says why it stopped: the last one naming an error, else the last.
std::string LastMessage(const std::string& output)
{
    std::string last, lastError;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const auto begin = line.find_first_not_of(" \t\r");
        if (begin == std::string::npos) continue;
        line = line.substr(begin, line.find_last_not_of(" \t\r") + 1 - begin);
        last = line;
        std::string lower = line;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        if (lower.find("error") != std::string::npos) lastError = line;
    }
    return ShownText(lastError.empty() ? last : lastError);
}

std::size_t CountFrames(const fs::path& log)
{
    const auto text = ReadWhole(log);
    if (!text) return 0;
    std::size_t frames = 0;
    for (std::size_t at = text->find("energy:"); at != std::string::npos; at = text->find("energy:", at + 1)) ++frames;
    return frames;
}

// Runs xtb in folder with its output in xtb.out; the exit status, or -1 when it could not start
// or was killed by a signal.
int RunIn(const fs::path& folder, const std::string& xtb, XtbMethod method, int steps,
          const std::function<void(std::string_view)>& progress)
{
    const std::string threads = std::to_string(std::max(1u, std::thread::hardware_concurrency()));
    const std::string outPath = (folder / "xtb.out").string();
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || chdir(folder.c_str()) != 0) _exit(127);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        // One thread per core, unless the user chose otherwise; threads that wait sleep rather
        // than spin, which on a busy machine makes xtb many times slower.
        setenv("OMP_NUM_THREADS", threads.c_str(), 0);
        setenv("OMP_WAIT_POLICY", "PASSIVE", 0);
        const char* gfn[] = {"xtb", "molecule.xyz", "--opt", "--input", "scan.inp", "--gfn", "2", nullptr};
        const char* ff[] = {"xtb", "molecule.xyz", "--opt", "--input", "scan.inp", "--gfnff", nullptr};
        execv(xtb.c_str(), const_cast<char* const*>(method == XtbMethod::Gfn2 ? gfn : ff));
        _exit(127);
    }
    std::size_t shown = 0;
    while (true) {
        int status = 0;
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) {
            if (shown > 0) progress("");
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (done < 0 && errno != EINTR) return -1;
        if (progress && isatty(STDERR_FILENO)) {
            const std::size_t frames = CountFrames(folder / "xtbscan.log");
            if (frames != shown && frames <= static_cast<std::size_t>(steps)) {
                shown = frames;
                progress("paso " + std::to_string(frames) + " de " + std::to_string(steps));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

XtbScan RunXtbScan(const FitRequest& request, const std::function<void(std::string_view)>& progress)
{
    const auto xtb = FindXtb();
    if (!xtb)
        return {{}, "no se encuentra el programa xtb en PATH: instálelo (en Debian, el paquete «xtb»: apt install xtb)"};
    const std::string shownName = ShownText(request.moleculePath);
    const auto molecule = ReadWhole(PathOf(request.moleculePath));
    if (!molecule) return {{}, "no se puede leer el archivo " + Quoted(request.moleculePath)};
    const AngleReading start = ReadXyzDihedral(*molecule, shownName, *request.dihedral);
    if (!start.ok()) return {{}, start.error};

    std::error_code error;
    fs::path folder;
    const bool keep = !request.keepScanPath.empty();
    if (keep) {
        folder = PathOf(request.keepScanPath);
        fs::create_directories(folder, error);
        fs::remove(folder / "xtbscan.log", error);
    } else {
        std::string pattern = (fs::temp_directory_path(error) / "zelmara-xtb-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return {{}, "no se pudo crear una carpeta temporal para la exploración"};
        folder = pattern;
    }
    const auto cleanUp = [&] {
        if (!keep) fs::remove_all(folder, error);
    };
    const int steps = static_cast<int>(std::lround(360.0 / request.step));
    if (!WriteWhole(folder / "molecule.xyz", *molecule) ||
        !WriteWhole(folder / "scan.inp", ScanInput(*request.dihedral, start.angle, request.step))) {
        cleanUp();
        return {{}, "no se pudo escribir la entrada de xtb en " + Quoted(folder.string())};
    }
    const int status = RunIn(folder, *xtb, request.method, steps, progress);
    const auto log = ReadWhole(folder / "xtbscan.log");
    const std::string output = ReadWhole(folder / "xtb.out").value_or("");
    cleanUp();
    if (status != 0 || !log || log->empty())
        return {{}, "la exploración con xtb falló (" +
                        (status == 0 ? std::string("no dejó xtbscan.log") : "estado " + std::to_string(status)) +
                        "): " + LastMessage(output)};
    return {*log, {}};
}
