// Runs the built zelmara-scan as scripts do and checks what they rely on: stdout, stderr and
// the exit status.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ProgramRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

std::string ShellQuoted(const std::string& text)
{
    std::string quoted(1, '\'');
    for (const char c : text) {
        if (c == '\'')
            quoted.append("'\\''");
        else
            quoted.push_back(c);
    }
    quoted.push_back('\'');
    return quoted;
}

// Runs the program with arguments; stdout goes to stdoutTarget when one is given, and
// shellPrefix (such as a ulimit) comes first in the shell command.
ProgramRun RunScan(std::initializer_list<std::string> arguments, const std::string& stdoutTarget = "",
                   const std::string& shellPrefix = "")
{
    // One file per test process: CTest runs the tests of this program in parallel.
    const std::string errPath =
        ::testing::TempDir() + "zelmara-scan-stderr-" + std::to_string(getpid());
    std::string command = shellPrefix + ShellQuoted(ZELMARA_SCAN_PATH);
    for (const std::string& argument : arguments) command.append(" ").append(ShellQuoted(argument));
    command.append(" 2>").append(ShellQuoted(errPath));
    if (!stdoutTarget.empty()) command.append(" >").append(stdoutTarget);

    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
    std::ostringstream err;
    err << std::ifstream(errPath).rdbuf();
    run.err = err.str();
    return run;
}

// Field `index` of every line.
std::vector<std::string> Column(const std::string& text, char separator, std::size_t index)
{
    std::vector<std::string> column;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string field;
        for (std::size_t i = 0; i <= index; ++i) std::getline(fields, field, separator);
        column.push_back(field);
    }
    return column;
}

const std::string kHeader = "Ángulo\tDerivada de V\tV(Kcal/mol)\n";

TEST(ScanProgram, PrintsTheTableInEitherOrderAndForm)
{
    const ProgramRun run = RunScan({"--v3", "3"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(run.out.starts_with(kHeader));
    EXPECT_EQ(Column(run.out, '\t', 0), (std::vector<std::string>{"Ángulo", "180", "120", "60", "0"}));
    EXPECT_EQ(Column(run.out, '\t', 2), (std::vector<std::string>{"V(Kcal/mol)", "0", "3", "0", "3"}));

    const ProgramRun ascending = RunScan({"--v3=3", "--ascending"});
    EXPECT_EQ(Column(ascending.out, '\t', 0), (std::vector<std::string>{"Ángulo", "0", "60", "120", "180"}));

    const ProgramRun csv = RunScan({"--csv", "--v3", "3"});
    EXPECT_EQ(csv.exitStatus, 0);
    EXPECT_TRUE(csv.out.starts_with("Ángulo,Derivada de V,V(Kcal/mol)\n"));
    EXPECT_EQ(Column(csv.out, ',', 1), Column(run.out, '\t', 1));
    EXPECT_EQ(csv.out.find('\r'), std::string::npos);
}

TEST(ScanProgram, NegativeValuesAreValuesInBothSpellings)
{
    const ProgramRun joined = RunScan({"--v2=-0.157", "--precision", "0.01"});
    EXPECT_EQ(joined.exitStatus, 0);
    EXPECT_GT(Column(joined.out, '\t', 0).size(), 1u);
    EXPECT_EQ(RunScan({"--v2", "-0.157", "--precision", "0.01"}).out, joined.out);
}

TEST(ScanProgram, NoAcceptedPointPrintsTheHeaderAlone)
{
    const ProgramRun run = RunScan({"--v2", "1e308", "--v3", "1e308", "--precision", "1"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, kHeader);
}

TEST(ScanProgram, BadInputPrintsOneSpanishLineAndExitsTwo)
{
    const ProgramRun range = RunScan({"--precision", "200"});
    EXPECT_EQ(range.exitStatus, 2);
    EXPECT_EQ(range.out, "");
    EXPECT_EQ(range.err, "zelmara-scan: --precision: el valor 200 está fuera del intervalo 0.0001 … 180\n");

    for (const ProgramRun& run : {RunScan({"--v2", "abc"}), RunScan({"--v9", "1"}), RunScan({"--v2"})}) {
        EXPECT_EQ(run.exitStatus, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("zelmara-scan: --v")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(ScanProgram, DoubleDashEndsTheOptions)
{
    EXPECT_EQ(RunScan({"--v3", "3", "--"}).out, RunScan({"--v3", "3"}).out);
    const ProgramRun refused = RunScan({"--", "--v3", "3"});
    EXPECT_EQ(refused.exitStatus, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "zelmara-scan: \"--v3\": argumento no esperado (tras -- no se admiten más argumentos)\n");
}

// Under shrinking address-space limits the finest scan either completes or stops with one
// Spanish line and status 1 after a prefix of the table; it never aborts.
TEST(ScanProgram, RunningOutOfMemoryIsReportedNotACrash)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer needs more address space than any limit tried here";
#endif
    const auto limit = [](int kilobytes) { return "ulimit -v " + std::to_string(kilobytes) + "; "; };
    int lowest = 3000;
    while (lowest < 60000 && RunScan({"--version"}, "", limit(lowest)).exitStatus != 0) lowest += 1000;
    const std::string table = RunScan({"--precision", "0.0001"}).out;
    ASSERT_GT(table.size(), 20000000u);
    bool sawFailure = false;
    for (const int kilobytes : {lowest, lowest + 1000, lowest + 2000, lowest + 4000, lowest + 8000, 60000}) {
        const ProgramRun run = RunScan({"--precision", "0.0001"}, "", limit(kilobytes));
        if (run.exitStatus == 0) {
            EXPECT_EQ(run.out.size(), table.size()) << kilobytes;
            continue;
        }
        sawFailure = true;
        EXPECT_EQ(run.exitStatus, 1) << kilobytes;
        EXPECT_EQ(run.err, "zelmara-scan: no hay memoria suficiente\n") << kilobytes;
        EXPECT_TRUE(table.starts_with(run.out)) << kilobytes;
    }
    EXPECT_TRUE(sawFailure) << "no limit made the scan run out of memory";
}

TEST(ScanProgram, AnalysisTheCoreRefusesEndsWithStatusTwo)
{
    const ProgramRun refused = RunScan({"--analyze", "--v4", "-2e300"});
    EXPECT_EQ(refused.exitStatus, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "zelmara-scan: El coeficiente V4 es demasiado grande para el análisis: su valor absoluto "
                           "no puede superar 1e+300.\n");
}

std::string FileText(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// The plot replaces its file whole, or leaves everything as it was: a failure is reported with
// its reason and status 1 and leaves no temporary file behind, while the analysis itself is
// still printed. A link stays a link, and a file size limit does not end the program.
TEST(ScanProgram, PlotIsWrittenWholeOrNotAtAll)
{
    const std::string folder = ::testing::TempDir() + "zelmara-scan-plot-" + std::to_string(getpid());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "/plot.svg");
    std::ofstream(folder + "/V3 = 3.svg") << "old";
    std::filesystem::create_symlink("V3 = 3.svg", folder + "/link.svg");
    const ProgramRun written = RunScan({"--analyze", "--v3", "3", "--plot", folder + "/link.svg"});
    EXPECT_EQ(written.exitStatus, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "/link.svg"));
    EXPECT_TRUE(FileText(folder + "/V3 = 3.svg").starts_with("<?xml"));
    EXPECT_TRUE(FileText(folder + "/V3 = 3.svg").ends_with("</svg>\n"));

    const struct {
        std::string target, prefix, reason;
    } failures[] = {
        {folder + "/missing/plot.svg", "", "la carpeta no existe"},
        {folder + "/plot.svg", "", "ese nombre es el de una carpeta"},
        {folder + "/V3 = 3.svg", "ulimit -f 8; ", "el archivo supera el tamaño máximo permitido"},
    };
    for (const auto& [target, prefix, reason] : failures) {
        const ProgramRun failed = RunScan({"--analyze", "--v3", "3", "--plot", target}, "", prefix);
        EXPECT_EQ(failed.exitStatus, 1);
        EXPECT_EQ(failed.out, written.out);
        EXPECT_EQ(failed.err, "zelmara-scan: no se pudo escribir la gráfica en \"" + target + "\": " + reason + "\n");
    }
    EXPECT_TRUE(FileText(folder + "/V3 = 3.svg").ends_with("</svg>\n"));
    // Standard output a pipe: /dev/stdout's link reads "pipe:[...]", no path, and is written through.
    const ProgramRun piped = RunScan({"--analyze", "--v3", "3", "--plot", "/dev/stdout"});
    EXPECT_EQ(piped.exitStatus, 0) << piped.err;
    EXPECT_TRUE(piped.out == written.out + FileText(folder + "/V3 = 3.svg")) << "not the analysis, then the plot";
    // ... or a file: it is written after the analysis, not replaced.
    EXPECT_EQ(RunScan({"--analyze", "--v3", "3", "--plot", "/dev/stdout"}, ShellQuoted(folder + "/both")).exitStatus, 0);
    EXPECT_TRUE(FileText(folder + "/both") == piped.out) << "not the analysis, then the plot";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"V3 = 3.svg", "both", "link.svg", "plot.svg"}));
}

TEST(ScanProgram, HelpVersionAndFailedWrites)
{
    const ProgramRun help = RunScan({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_TRUE(help.out.starts_with("Uso: zelmara-scan")) << help.out;

    EXPECT_EQ(RunScan({"--version"}).out, "zelmara-scan 1.0.0.1\n");

    // A write that fails must not end as a success.
    const ProgramRun full = RunScan({"--v1", "1"}, "/dev/full");
    EXPECT_EQ(full.exitStatus, 1);
    EXPECT_EQ(full.err, "zelmara-scan: no se pudo escribir la salida\n");
}

}  // namespace
