#include "ui/profile_source.h"

#include "system/file_read.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::optional<DihedralAtoms> DihedralBeside(const fs::path& log)
{
    for (const char* input : {"xcontrol", "scan.inp"}) {
        const FileReading reading = ReadWholeFile(Utf8(log.parent_path() / input), kMaxProfileFileBytes);
        if (!reading.ok()) continue;
        const DihedralReading dihedral = ReadXtbInputDihedral(reading.text, input);
        if (dihedral.ok()) return dihedral.atoms;
    }
    return std::nullopt;
}

}  // namespace

ProfileSourceReading ReadProfileSource(const std::string& path)
{
    ProfileSourceReading result;
    ProfileSource& source = result.source;
    const fs::path file(std::u8string(path.begin(), path.end()));
    source.path = path;
    source.name = Utf8(file.filename());
    FileReading reading = ReadWholeFile(path, kMaxProfileFileBytes);
    if (!reading.ok()) {
        result.error = FileReadReasonText(reading.error, kMaxProfileFileBytes);
        return result;
    }
    source.text = std::move(reading.text);
    source.format = DetectProfileFormat(source.text, source.name);
    if (source.format == ProfileFormat::Xtb) source.atoms = DihedralBeside(file);
    return result;
}

ProfileFitResult FitProfileSource(const ProfileSource& source, const DihedralAtoms& atoms, const FitOptions& options)
{
    ProfileFitResult result;
    const ProfileReading reading = ReadProfile(source.format, source.text, source.name, std::nullopt, atoms);
    if (!reading.ok()) {
        result.error = reading.error;
        return result;
    }
    TorsionFitResult fitted = FitTorsion(reading.profile.points, options);
    if (!fitted.ok()) {
        result.error = source.name + ": " + fitted.refusal;
        return result;
    }
    ConformationalAnalysisResult analysis = AnalyzeConformations(fitted.fit.V);
    if (!analysis.ok()) {
        result.error = analysis.refusal;
        return result;
    }
    result.fit = {std::move(fitted.fit), reading.profile.notes, std::move(analysis.analysis)};
    return result;
}
