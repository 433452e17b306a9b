// zelmara-scan.exe started as Windows starts it, with a UTF-16 command line: an argument that
// has no UTF-8 form (a lone surrogate) is refused with one line and status 2, and no file is
// written under another name (one with U+FFFD in its place).

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct ProgramRun {
    DWORD exitStatus = 0xFFFFFFFF;
    std::string err;
};

ProgramRun RunScan(const std::wstring& arguments)
{
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ProgramRun run;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = writeEnd;
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    std::wstring commandLine = L"\"" + fs::path(ZELMARA_SCAN_PATH).wstring() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[4096];
        for (DWORD n = 0; ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0;) run.err.append(buffer, n);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &run.exitStatus);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return run;
}

TEST(ScanOnWindows, ANameWithALoneSurrogateIsRefusedNotReplaced)
{
    const fs::path folder = fs::temp_directory_path() / ("zelmara-surrogate-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / L"x\uFFFDy.svg") << "old";

    const ProgramRun run = RunScan(L"--analyze --v1 1 --plot \"" + (folder / L"x").wstring() + L'\xD800' + L"y.svg\"");
    EXPECT_EQ(run.exitStatus, 2u);
    EXPECT_EQ(run.err, "zelmara-scan: el argumento 5 no es texto válido: tiene un carácter UTF-16 incompleto (un "
                       "sustituto suelto)\n");
    std::ostringstream kept;
    kept << std::ifstream(folder / L"x\uFFFDy.svg").rdbuf();
    EXPECT_TRUE(kept.str() == "old") << "the file named with U+FFFD was written";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

}  // namespace
