#include "afxwin.h"
#include "text.h"

#include <string>

// The program's entry point (GUI subsystem, built with -municode): the framework finds the
// application object and runs it. The command line is ignored.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string name = win32_text::Utf8(path);
    char* argv[] = {name.data(), nullptr};
    return AfxWinMain(1, argv);
}
