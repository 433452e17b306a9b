#include "scan_program.h"

#include "analysis_json.h"
#include "analysis_text.h"
#include "atomic_file.h"
#include "command_line.h"
#include "fit_command_line.h"
#include "fit_program.h"
#include "grid_json.h"
#include "ordered_pieces.h"
#include "potential_plot.h"
#include "scan_table.h"
#include "shown_text.h"
#include "svg_plot.h"
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

// A progress text, over the previous one on the same line; an empty text ends the line.
void WriteProgress(std::string_view text)
{
    if (text.empty()) {
        std::fputc('\n', stderr);
        return;
    }
    std::fputc('\r', stderr);
    std::fwrite(kProgramName.data(), 1, kProgramName.size(), stderr);
    std::fwrite(": xtb, ", 1, 7, stderr);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

// status, or a failure when the output could not be written.
int Flushed(int status)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        WriteError("no se pudo escribir la salida");
        return kExitFailed;
    }
    return status;
}

// The grid table, streamed.
void Scan(const ScanRequest& request)
{
    if (request.json)
        WriteGridJson(request.coefficients, request.precision, request.order, WriteOut, DefaultThreadCount());
    else
        WriteScanTable(request.coefficients, request.precision, request.format, request.order, WriteOut,
                       DefaultThreadCount());
}

// The conformational analysis, and its plot when asked for; the exit status.
int Analyze(const ScanRequest& request)
{
    const ConformationalAnalysisResult result = AnalyzeConformations(request.coefficients, request.temperature);
    if (!result.ok()) {
        WriteError(result.refusal);
        return kExitBadArguments;
    }
    const ConformationalAnalysis& analysis = result.analysis;
    WriteOut(request.json ? AnalysisJson(request.coefficients, analysis) : AnalysisTableText(analysis, request.format));
    if (request.plotPath.empty()) return 0;

    const PlotScene scene = PlotPotential(request.coefficients, analysis, kPlotFileWidth, kPlotFileHeight);
    const std::string svg = WriteSvg(scene);
    const auto writeSvg = [&svg](const auto& write) { write(svg); };
    if (WriteFileAtomically(request.plotPath, writeSvg).ok()) return 0;
    WriteError("no se pudo escribir la gráfica en " + Quoted(request.plotPath));
    return kExitFailed;
}

// The fitting modes (--fit, --xtb); their exit status.
int Fit(std::span<const std::string_view> arguments)
{
    const FitCommandLine command = ParseFitCommandLine(arguments);
    if (command.action == FitAction::Refuse) {
        WriteError(command.error);
        return kExitBadArguments;
    }
    return RunFit(command.request, {WriteOut, WriteError, WriteProgress});
}

int Run(std::span<const std::string_view> arguments)
{
    if (IsFitCommand(arguments)) return Flushed(Fit(arguments));
    const CommandLine command = ParseCommandLine(arguments);

    int status = 0;
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
    case CommandAction::Scan:
        if (command.request.analyze)
            status = Analyze(command.request);
        else
            Scan(command.request);
        break;
    }
    return Flushed(status);
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
