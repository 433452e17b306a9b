// Runs the built zelmara-scan as scripts do and checks what they rely on: stdout, stderr and
// the exit status.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ProgramRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string TemporaryFile()
{
    std::string path = ::testing::TempDir() + "zelmara-scan-XXXXXX";
    const int fd = mkstemp(path.data());
    EXPECT_GE(fd, 0);
    close(fd);
    return path;
}

ProgramRun RunScan(const std::vector<std::string>& arguments)
{
    const std::string outPath = TemporaryFile();
    const std::string errPath = TemporaryFile();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_TRUNC, 0);

    std::vector<char*> argv;
    std::string program = ZELMARA_SCAN_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies(arguments);
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);

    ProgramRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
    run.out = ReadWhole(outPath);
    run.err = ReadWhole(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

const std::string kHeader = "Ángulo\tDerivada de V\tV(Kcal/mol)\n";

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Column(const std::string& text, char separator, std::size_t index)
{
    std::vector<std::string> column;
    for (const std::string& line : Lines(text)) {
        std::istringstream fields(line);
        std::string field;
        for (std::size_t i = 0; i <= index; ++i) std::getline(fields, field, separator);
        column.push_back(field);
    }
    return column;
}

TEST(ScanProgram, PrintsTheThirdHarmonicLikeTheMainWindow)
{
    const ProgramRun run = RunScan({"--v3", "3"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(run.out.starts_with(kHeader));
    EXPECT_EQ(Column(run.out, '\t', 0), (std::vector<std::string>{"Ángulo", "180", "120", "60", "0"}));
    EXPECT_EQ(Column(run.out, '\t', 2), (std::vector<std::string>{"V(Kcal/mol)", "0", "3", "0", "3"}));

    const ProgramRun ascending = RunScan({"--v3=3", "--ascending"});
    EXPECT_EQ(ascending.exitStatus, 0);
    EXPECT_EQ(Column(ascending.out, '\t', 0), (std::vector<std::string>{"Ángulo", "0", "60", "120", "180"}));

    const ProgramRun csv = RunScan({"--csv", "--v3", "3"});
    EXPECT_EQ(csv.exitStatus, 0);
    EXPECT_EQ(Lines(csv.out).front(), "Ángulo,Derivada de V,V(Kcal/mol)");
    EXPECT_EQ(Column(csv.out, ',', 0), Column(run.out, '\t', 0));
    EXPECT_EQ(Column(csv.out, ',', 1), Column(run.out, '\t', 1));
    EXPECT_EQ(csv.out.find('\r'), std::string::npos);
}

TEST(ScanProgram, NegativeValuesAreValuesInBothSpellings)
{
    const ProgramRun joined = RunScan({"--v2=-0.157", "--precision", "0.01"});
    const ProgramRun separate = RunScan({"--v2", "-0.157", "--precision", "0.01"});
    EXPECT_EQ(joined.exitStatus, 0);
    EXPECT_EQ(separate.exitStatus, 0);
    EXPECT_EQ(joined.out, separate.out);
    EXPECT_GT(Lines(joined.out).size(), 1u);
    EXPECT_EQ(joined.out, RunScan({"--precision=0.01", "--v2", "-0,157"}).out);
}

TEST(ScanProgram, NoAcceptedPointPrintsTheHeaderAlone)
{
    const ProgramRun run = RunScan({"--v2", "1e308", "--v3", "1e308", "--precision", "1"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, kHeader);
    EXPECT_EQ(run.err, "");
}

TEST(ScanProgram, BadInputPrintsOneSpanishLineAndExitsTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--v2", "abc"}, {"--precision", "200"}, {"--precision"}, {"--v9", "1"}, {"--v1", "1e400"}, {"--csv=no"},
    };
    for (const std::vector<std::string>& arguments : cases) {
        const ProgramRun run = RunScan(arguments);
        const std::string option = arguments.front().substr(0, arguments.front().find('='));
        EXPECT_EQ(run.exitStatus, 2) << option;
        EXPECT_EQ(run.out, "") << option;
        EXPECT_TRUE(run.err.starts_with("zelmara-scan: " + option + ": ")) << run.err;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_EQ(run.err.back(), '\n');
    }
    EXPECT_EQ(RunScan({"--precision", "200"}).err,
              "zelmara-scan: --precision: el valor 200 está fuera del intervalo 0.0001 … 180\n");
}

TEST(ScanProgram, HelpAndVersion)
{
    const ProgramRun help = RunScan({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_TRUE(help.out.starts_with("Uso: zelmara-scan")) << help.out;
    EXPECT_NE(help.out.find("--precision"), std::string::npos);
    EXPECT_NE(help.out.find("LF"), std::string::npos);

    const ProgramRun version = RunScan({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out, "zelmara-scan 1.0.0.1\n");
}

TEST(ScanProgram, AFailedWriteIsReportedNotHidden)
{
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "/dev/full missing";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = ZELMARA_SCAN_PATH;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
