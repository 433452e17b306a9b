// zelmara.exe as a user starts it on Windows: its one window, the main dialog, appears, and the
// program ends with status 0 when that window is closed. The command line is ignored.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Search {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM search)
{
    auto& wanted = *reinterpret_cast<Search*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != wanted.process || !IsWindowVisible(window)) return TRUE;
    wanted.window = window;
    return FALSE;
}

std::wstring Wide(const char* utf8)
{
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), static_cast<int>(wide.size()));
    wide.pop_back();
    return wide;
}

TEST(WindowsProgramTest, OpensTheMainDialogAsItsOnlyWindowAndEndsWithItsClose)
{
    std::wstring command = L"\"" + Wide(ZELMARA_PROGRAM_PATH) + L"\" --platform nowhere";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &program))
        << ZELMARA_PROGRAM_PATH;
    Search search{program.dwProcessId, nullptr};
    for (int waited = 0; search.window == nullptr && waited < 30000; waited += 50) {
        EnumWindows(&FindShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.window == nullptr) Sleep(50);
    }
    ASSERT_NE(search.window, nullptr) << "no window within 30 s";
    wchar_t title[128] = {};
    GetWindowTextW(search.window, title, 128);
    EXPECT_EQ(std::wstring(title), Wide("Puntos extremos del potencial de torsión"));

    PostMessageW(search.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(WaitForSingleObject(program.hProcess, 30000), WAIT_OBJECT_0);
    DWORD status = 1234;
    GetExitCodeProcess(program.hProcess, &status);
    EXPECT_EQ(status, 0u);
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
}

}  // namespace
