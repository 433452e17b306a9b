// zelmara-scan's entry point on Windows (linked with -municode). The arguments arrive as UTF-16
// and are handed on as UTF-8. stdout and stderr are binary, so lines end in "\n" alone and the
// bytes written are the Linux build's; a console is switched to UTF-8 while the program runs so
// that it shows them as the text they are. An argument that has no UTF-8 form is refused rather
// than converted with a replacement character, which would name another file.

#include "cli/scan_program.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// text as UTF-8, or nullopt when it holds a lone surrogate.
std::optional<std::string> Utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, -1, nullptr, 0, nullptr, nullptr);
    if (size == 0) return std::nullopt;
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();  // the terminating null
    return utf8;
}

bool IsConsole(DWORD standardHandle)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(standardHandle), &mode) != 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);

    const UINT consoleCodePage = GetConsoleOutputCP();
    const bool switchConsole = (IsConsole(STD_OUTPUT_HANDLE) || IsConsole(STD_ERROR_HANDLE)) &&
                               consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8);

    std::vector<std::string> texts;
    int status = 0;
    for (int i = 1; i < argc && status == 0; ++i) {
        std::optional<std::string> text = Utf8(argv[i]);
        if (text)
            texts.push_back(std::move(*text));
        else
            status = RefuseArgumentNotText(static_cast<std::size_t>(i));
    }
    if (status == 0) {
        const std::vector<std::string_view> arguments(texts.begin(), texts.end());
        status = RunScanProgram(arguments);
    }

    if (switchConsole) SetConsoleOutputCP(consoleCodePage);
    return status;
}
