#include "scan_program.h"

#include "command_line.h"
#include "grid_json.h"
#include "ordered_pieces.h"
#include "scan_table.h"
#include "usage_text.h"

#include <cstdio>
#include <new>
#include <string>
#include <string_view>

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

int Run(std::span<const std::string_view> arguments)
{
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

int RunScanProgram(std::span<const std::string_view> arguments)
{
    try {
        return Run(arguments);
    } catch (const std::bad_alloc&) {
        std::fflush(stdout);
        WriteError("no hay memoria suficiente");
        return kExitFailed;
    }
}
