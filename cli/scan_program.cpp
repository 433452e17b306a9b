#include "scan_program.h"

#include "command_line.h"
#include "scan_table.h"
#include "usage_text.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitBadArguments = 2;

void WriteOut(std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void WriteError(const std::string& message)
{
    const std::string line = std::string(kProgramName) + ": " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace

int RunScanProgram(std::span<const std::string_view> arguments)
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
        WriteScanTable(request.coefficients, request.precision, request.format, request.order, WriteOut);
        break;
    }
    }

    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        WriteError("no se pudo escribir la salida");
        return kExitWriteFailed;
    }
    return 0;
}
