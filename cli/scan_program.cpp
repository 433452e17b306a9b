#include "cli/scan_program.h"

#include "analysis_json.h"
#include "cli/command_line.h"
#include "cli/shown_text.h"
#include "cli/export_program.h"
#include "cli/force_field_program.h"
#include "cli/fit_command_line.h"
#include "fit_program.h"
#include "grid_json.h"
#include "report/analysis_text.h"
#include "report/potential_plot.h"
#include "report/scan_table.h"
#include "report/svg_plot.h"
#include "system/atomic_file.h"
#include "system/file_write_text.h"
#include "system/ordered_pieces.h"
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
    std::fflush(stdout);   // the analysis first, should the plot go to the same pipe (/dev/stdout)
    const FileWriteOutcome outcome = WriteFileAtomically(request.plotPath, writeSvg);
    if (outcome.ok()) return 0;
    WriteError("no se pudo escribir la gráfica en " + Quoted(request.plotPath) + ": " + FileWriteReasonText(outcome));
    return kExitFailed;
}

// --force-field or --export; the exit status.
int ForceField(const ScanRequest& request)
{
    std::string out;
    std::string error;
    std::vector<std::string> notes;
    const int status = request.exportFormat.empty() ? ListForceField(request, out, notes, error)
                                                    : ExportCoefficients(request, out, error);
    for (const std::string& note : notes) WriteError("aviso: " + note);
    if (status != 0) {
        WriteError(error);
        return status;
    }
    WriteOut(out);
    return 0;
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
        if (!command.request.forceFieldPath.empty() || !command.request.exportFormat.empty())
            status = ForceField(command.request);
        else if (command.request.analyze)
            status = Analyze(command.request);
        else
            Scan(command.request);
        break;
    }
    return Flushed(status);
}

}  // namespace

int RefuseArgumentNotText(std::size_t position)
{
    WriteError("el argumento " + std::to_string(position) +
               " no es texto válido: tiene un carácter UTF-16 incompleto (un sustituto suelto)");
    return kExitBadArguments;
}

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
