// Runs the built zelmara-scan as scripts do and checks what they rely on: stdout, stderr and
// the exit status.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
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

// Runs the program with arguments; stdout goes to stdoutTarget when one is given.
ProgramRun RunScan(std::initializer_list<std::string> arguments, const std::string& stdoutTarget = "")
{
    // One file per test process: CTest runs the tests of this program in parallel.
    const std::string errPath =
        ::testing::TempDir() + "zelmara-scan-stderr-" + std::to_string(getpid());
    std::string command = ShellQuoted(ZELMARA_SCAN_PATH);
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
