#include "fit_program.h"

#include "system/atomic_file.h"
#include "system/file_read.h"
#include "report/fit_text.h"
#include "cli/fit_report.h"
#include "report/fit_plot.h"
#include "report/potential_plot.h"
#include "cli/shown_text.h"
#include "report/svg_plot.h"
#include "xtb_run.h"

#include <optional>

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitBadInput = 2;

std::optional<std::string> ReadFile(const std::string& utf8)
{
    FileReading reading = ReadWholeFile(utf8, kMaxProfileFileBytes);
    if (!reading.ok()) return std::nullopt;
    return std::move(reading.text);
}

struct Profile {
    EnergyProfile profile;
    std::string name;      // as reported
    int status = 0;        // non-zero: a message was given
};

Profile ReadRequested(const FitRequest& request, const FitOutput& output)
{
    Profile result;
    if (!request.moleculePath.empty()) {
        const XtbScan scan = RunXtbScan(request, output.progress);
        if (!scan.ok()) {
            output.message(scan.error);
            result.status = kExitFailed;
            return result;
        }
        result.name = "xtbscan.log";
        const ProfileReading reading = ReadXtbProfile(scan.log, result.name, *request.dihedral);
        if (!reading.ok()) {
            output.message(reading.error);
            result.status = kExitBadInput;
        }
        result.profile = reading.profile;
        return result;
    }

    result.name = request.profilePath;
    const std::string shown = ShownText(request.profilePath);
    const auto text = ReadFile(request.profilePath);
    if (!text) {
        output.message("no se puede leer el archivo " + Quoted(request.profilePath));
        result.status = kExitFailed;
        return result;
    }
    const ProfileFormat format = request.format ? *request.format : DetectProfileFormat(*text, request.profilePath);
    DihedralAtoms atoms{};
    if (format == ProfileFormat::Xtb) {
        if (request.dihedral) {
            atoms = *request.dihedral;
        } else if (!request.xtbInputPath.empty()) {
            const auto input = ReadFile(request.xtbInputPath);
            if (!input) {
                output.message("no se puede leer el archivo " + Quoted(request.xtbInputPath));
                result.status = kExitFailed;
                return result;
            }
            const DihedralReading dihedral = ReadXtbInputDihedral(*input, ShownText(request.xtbInputPath));
            if (!dihedral.ok()) {
                output.message(dihedral.error);
                result.status = kExitBadInput;
                return result;
            }
            atoms = dihedral.atoms;
        } else {
            output.message(shown + ": es una exploración de xtb; diga qué diedro se explora con --dihedral i,j,k,l o "
                                   "--xtb-input ARCHIVO");
            result.status = kExitBadInput;
            return result;
        }
    }
    const ProfileReading reading = ReadProfile(format, *text, shown, request.unit, atoms);
    if (!reading.ok()) {
        output.message(reading.error);
        result.status = kExitBadInput;
    }
    result.profile = reading.profile;
    return result;
}

int WritePlot(const FitRequest& request, const TorsionFit& fit, const ConformationalAnalysis& analysis,
              const FitOutput& output)
{
    const std::string svg = WriteSvg(PlotFit(fit, analysis, kPlotFileWidth, kPlotFileHeight));
    if (WriteFileAtomically(request.plotPath, [&svg](const auto& write) { write(svg); }).ok()) return 0;
    output.message("no se pudo escribir la gráfica en " + Quoted(request.plotPath));
    return kExitFailed;
}

}  // namespace

int RunFit(const FitRequest& request, const FitOutput& output)
{
    const Profile read = ReadRequested(request, output);
    if (read.status != 0) return read.status;
    for (const std::string& note : read.profile.notes) output.message(WarningText(note));

    const TorsionFitResult result = FitTorsion(read.profile.points, request.fit);
    if (!result.ok()) {
        output.message(ShownText(read.name) + ": " + result.refusal);
        return kExitBadInput;
    }
    const TorsionFit& fit = result.fit;
    if (!fit.warning.empty()) output.message(WarningText(fit.warning));
    const ConformationalAnalysisResult analysis = AnalyzeConformations(fit.V, request.temperature);
    if (!analysis.ok()) {
        output.message(analysis.refusal);
        return kExitBadInput;
    }
    output.out(request.json ? FitReportJson(read.name, read.profile.format, fit, analysis.analysis)
                            : FitReportText(read.name, read.profile.format, fit, analysis.analysis, request.table));
    return request.plotPath.empty() ? 0 : WritePlot(request, fit, analysis.analysis, output);
}
