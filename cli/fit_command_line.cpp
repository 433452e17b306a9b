#include "cli/fit_command_line.h"

#include "text/number_text.h"
#include "cli/shown_text.h"
#include "option_cursor.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view kValueOptions[] = {"--fit", "--xtb", "--format", "--dihedral", "--xtb-input",
                                               "--energy-unit", "--terms", "--cutoff", "--boltzmann",
                                               "--temperature", "--plot", "--step", "--xtb-method",
                                               "--keep-scan"};

bool TakesValue(std::string_view name)
{
    return std::find(std::begin(kValueOptions), std::end(kValueOptions), name) != std::end(kValueOptions);
}

bool IsFlag(std::string_view name)
{
    return name == "--csv" || name == "--json";
}

// "1,2,3,4", "1-6", "1-3,6".
std::optional<TermSet> ReadTerms(std::string_view text)
{
    TermSet terms{};
    while (true) {
        const std::string_view part = text.substr(0, text.find(','));
        const auto digit = [](char c) { return c >= '1' && c <= '6'; };
        if (part.size() == 1 && digit(part[0])) {
            terms[static_cast<std::size_t>(part[0] - '0')] = true;
        } else if (part.size() == 3 && digit(part[0]) && part[1] == '-' && digit(part[2]) && part[0] <= part[2]) {
            for (char n = part[0]; n <= part[2]; ++n) terms[static_cast<std::size_t>(n - '0')] = true;
        } else {
            return std::nullopt;
        }
        if (part.size() == text.size()) return terms;
        text.remove_prefix(part.size() + 1);
    }
}

class Reader {
public:
    explicit Reader(std::span<const std::string_view> arguments)
        : options_(arguments, TakesValue, IsFlag, ": opción desconocida en el modo de ajuste")
    {
    }

    FitCommandLine Read()
    {
        while (result_.action == FitAction::Fit) {
            const std::optional<OptionReading> option = options_.Next();
            if (!option) break;
            if (!option->ok())
                Refuse(option->refusal);
            else if (TakesValue(option->name))
                ReadValue(option->name, option->value);
            else if (option->name == "--csv")
                result_.request.table = TableFormat::Csv;
            else
                result_.request.json = true;
        }
        if (result_.action == FitAction::Fit) RefuseConflicts();
        return result_;
    }

private:
    void Refuse(std::string message)
    {
        if (result_.action == FitAction::Refuse) return;
        result_.action = FitAction::Refuse;
        result_.error = std::move(message);
    }

    // A number read with ReadNumber, or a refusal.
    std::optional<double> Number(std::string_view name, std::string_view text)
    {
        const NumberReading reading = ReadNumber(text);
        if (reading.ok()) return reading.value;
        Refuse(std::string(name) + ": " + Quoted(text) + " no es un número válido");
        return std::nullopt;
    }

    void ReadValue(std::string_view name, std::string_view text)
    {
        FitRequest& request = result_.request;
        seen_.emplace_back(name);
        if (name == "--fit" || name == "--xtb" || name == "--xtb-input" || name == "--plot" || name == "--keep-scan") {
            if (text.empty()) return Refuse(std::string(name) + ": falta el nombre del archivo");
            std::string& path = name == "--fit" ? request.profilePath : name == "--xtb" ? request.moleculePath
                              : name == "--xtb-input" ? request.xtbInputPath : name == "--plot" ? request.plotPath
                                                      : request.keepScanPath;
            path = text;
        } else if (name == "--format") {
            if (text == "table") request.format = ProfileFormat::Table;
            else if (text == "xtb") request.format = ProfileFormat::Xtb;
            else if (text == "gaussian") request.format = ProfileFormat::Gaussian;
            else if (text == "orca") request.format = ProfileFormat::Orca;
            else Refuse("--format: " + Quoted(text) + " no es table, xtb, gaussian ni orca");
        } else if (name == "--energy-unit") {
            if (text == "hartree") request.unit = EnergyUnit::Hartree;
            else if (text == "kcal") request.unit = EnergyUnit::KcalPerMol;
            else if (text == "kj") request.unit = EnergyUnit::KilojoulePerMol;
            else if (text == "ev") request.unit = EnergyUnit::ElectronVolt;
            else Refuse("--energy-unit: " + Quoted(text) + " no es hartree, kcal, kj ni ev");
        } else if (name == "--dihedral") {
            request.dihedral = ReadDihedralAtoms(text);
            if (!request.dihedral) Refuse("--dihedral: " + Quoted(text) + " no son cuatro números de átomo (desde 1) separados por comas");
        } else if (name == "--terms") {
            const auto terms = ReadTerms(text);
            if (terms) request.fit.terms = *terms;
            else Refuse("--terms: " + Quoted(text) + " no es una lista de términos de 1 a 6 (1,2,3,4 o 1-6)");
        } else if (name == "--xtb-method") {
            if (text == "gfn2") request.method = XtbMethod::Gfn2;
            else if (text == "gfnff") request.method = XtbMethod::GfnFf;
            else Refuse("--xtb-method: " + Quoted(text) + " no es gfn2 ni gfnff");
        } else if (const auto value = Number(name, text)) {
            ReadRange(name, *value);
        }
    }

    void ReadRange(std::string_view name, double value)
    {
        FitRequest& request = result_.request;
        const auto outside = [&](double first, double last) {
            Refuse(std::string(name) + ": el valor " + FormatRoundTrip(value) + " está fuera del intervalo " +
                   FormatRoundTrip(first) + " … " + FormatRoundTrip(last));
        };
        if (name == "--cutoff") {
            if (value >= 0.0) request.fit.cutoff = value;
            else outside(0.0, kMaxProfileEnergy);
        } else if (name == "--boltzmann" || name == "--temperature") {
            if (!(value >= kMinTemperature && value <= kMaxTemperature)) return outside(kMinTemperature, kMaxTemperature);
            if (name == "--boltzmann") request.fit.boltzmann = value;
            else request.temperature = value;
        } else {
            const double steps = 360.0 / value;
            if (!(value >= 1.0 && value <= 180.0)) return outside(1.0, 180.0);
            if (std::fabs(steps - std::round(steps)) > 1e-9 * steps)
                return Refuse("--step: " + FormatRoundTrip(value) + " no divide la vuelta (360) en pasos iguales");
            request.step = value;
        }
    }

    bool Seen(std::string_view name) const { return std::find(seen_.begin(), seen_.end(), name) != seen_.end(); }

    void RefuseConflicts()
    {
        const FitRequest& request = result_.request;
        const bool xtb = !request.moleculePath.empty();
        if (xtb && !request.profilePath.empty()) return Refuse("--fit: no se puede usar junto con --xtb");
        if (request.json && request.table == TableFormat::Csv) return Refuse("--json: no se puede usar junto con --csv");
        if (xtb && !request.dihedral) return Refuse("--xtb: falta --dihedral i,j,k,l, los átomos del diedro que se explora");
        for (const std::string_view name : {"--format", "--energy-unit", "--xtb-input"})
            if (xtb && Seen(name)) return Refuse(std::string(name) + ": solo se usa junto con --fit");
        for (const std::string_view name : {"--step", "--xtb-method", "--keep-scan"})
            if (!xtb && Seen(name)) return Refuse(std::string(name) + ": solo se usa junto con --xtb");
    }

    OptionCursor options_;
    std::vector<std::string> seen_;
    FitCommandLine result_;
};

}  // namespace

bool IsFitCommand(std::span<const std::string_view> arguments)
{
    for (const std::string_view argument : arguments) {
        if (argument == "--") return false;
        const std::string_view name = argument.substr(0, argument.find('='));
        if (name == "--fit" || name == "--xtb") return true;
    }
    return false;
}

FitCommandLine ParseFitCommandLine(std::span<const std::string_view> arguments)
{
    return Reader(arguments).Read();
}
