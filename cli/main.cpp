#include "command_line.h"
#include "grid_json.h"
#include "ordered_pieces.h"
#include "scan_table.h"
#include "usage_text.h"

#include <cstdio>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitBadArguments = 2;

void WriteOut(std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

// Writes without allocating, so that it also works when memory has run out.
void WriteError(std::string_view message)
{
    std::fwrite(kProgramName.data(), 1, kProgramName.size(), stderr);
    std::fwrite(": ", 1, 2, stderr);
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
}

int Run(int argc, char** argv)
{
    // argc is 0 when the program is started with no argument vector at all.
    const std::vector<std::string_view> arguments(argc > 0 ? argv + 1 : argv, argv + argc);
    const CommandLine command = ParseCommandLine(arguments);

    switch (command.action) {
    case CommandAction::Refuse:
        WriteError(command.error);
        return kExitBadArguments;
    case CommandAction::ShowHelp:
        WriteOut(HelpText());
        break;
    case CommandAction::ShowVersion:
        WriteOut(VersionText());
        break;
    case CommandAction::Scan: {
        const ScanRequest& request = command.request;
        if (request.json)
            WriteGridJson(request.coefficients, request.precision, request.order, WriteOut, DefaultThreadCount());
        else
            WriteScanTable(request.coefficients, request.precision, request.format, request.order, WriteOut,
                           DefaultThreadCount());
        break;
    }
    }

    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        WriteError("no se pudo escribir la salida");
        return kExitFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fflush(stdout);
        WriteError("no hay memoria suficiente");
        return kExitFailed;
    }
}
