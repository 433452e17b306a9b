#include "cli/command_line.h"

#include "cli/shown_text.h"
#include "option_cursor.h"
#include "text/number_text.h"
#include "forcefield/force_field_format.h"
#include "forcefield/lammps_units.h"
#include "forcefield/type_filter.h"

#include <optional>

namespace {

std::string NumberFault(NumberError error, std::string_view text)
{
    switch (error) {
    case NumberError::Empty:
        return "el valor está vacío";
    case NumberError::NoDigits:
        return Quoted(text) + " no es un número";
    case NumberError::TrailingText:
        return Quoted(text) + " lleva texto sobrante tras el número";
    case NumberError::TooLarge:
    case NumberError::TooSmall:
        return Quoted(text) + " " + OutOfRangeText(error);
    case NumberError::NotFinite:
        return Quoted(text) + ": no se admiten nan ni infinito";
    case NumberError::Hexadecimal:
        return Quoted(text) + ": no se admite la notación hexadecimal";
    case NumberError::None:
        break;
    }
    return {};
}

// The coefficient index n of "--vn", or nothing for any other name.
std::optional<int> CoefficientIndex(std::string_view name)
{
    if (name.size() == 4 && name.starts_with("--v") && name[3] >= '1' && name[3] <= '6')
        return name[3] - '0';
    return std::nullopt;
}

// The options whose value is a word kept as given.
bool IsTextOption(std::string_view name)
{
    return name == "--force-field" || name == "--format" || name == "--types" || name == "--export" ||
           name == "--lammps-style" || name == "--lammps-units";
}

bool TakesValue(std::string_view name)
{
    return name == "--precision" || name == "--temperature" || name == "--plot" || CoefficientIndex(name).has_value() ||
           IsTextOption(name);
}

bool IsFlag(std::string_view name)
{
    return name == "--analyze" || name == "--ascending" || name == "--csv" || name == "--json" || name == "--help" ||
           name == "--version";
}

// The message for a value outside first ... last.
std::string OutsideRange(std::string_view name, double value, double first, double last)
{
    return std::string(name) + ": el valor " + FormatRoundTrip(value) + " está fuera del intervalo " +
           FormatRoundTrip(first) + " … " + FormatRoundTrip(last);
}

class Reader {
public:
    explicit Reader(std::span<const std::string_view> arguments)
        : options_(arguments, TakesValue, IsFlag, ": opción desconocida")
    {
    }

    CommandLine Read()
    {
        while (result_.action == CommandAction::Scan) {
            const std::optional<OptionReading> option = options_.Next();
            if (!option) break;
            if (!option->ok())
                Refuse(option->refusal);
            else if (TakesValue(option->name))
                ReadValue(option->name, option->value);
            else
                ApplyFlag(option->name);
        }
        if (result_.action == CommandAction::Scan) RefuseConflicts();
        return result_;
    }

private:
    void Refuse(std::string message)
    {
        result_.action = CommandAction::Refuse;
        result_.error = std::move(message);
    }

    void ApplyFlag(std::string_view name)
    {
        if (name == "--analyze")
            result_.request.analyze = true;
        else if (name == "--ascending")
            result_.request.order = RowOrder::ScanOrder;
        else if (name == "--csv")
            result_.request.format = TableFormat::Csv;
        else if (name == "--json")
            result_.request.json = true;
        else if (name == "--help")
            result_.action = CommandAction::ShowHelp;
        else
            result_.action = CommandAction::ShowVersion;
    }

    // Options that each make sense alone but not together.
    void RefuseConflicts()
    {
        const ScanRequest& request = result_.request;
        if (!request.forceFieldPath.empty() || !request.exportFormat.empty()) {
            RefuseForceFieldConflicts();
            return;
        }
        if (!request.forceFieldFormat.empty() || !request.lammpsStyle.empty() || !request.lammpsUnits.empty())
            Refuse(std::string(!request.forceFieldFormat.empty() ? "--format" : !request.lammpsStyle.empty()
                                   ? "--lammps-style" : "--lammps-units") + ": solo se usa junto con --force-field");
        else if (request.typesGiven)
            Refuse("--types: solo se usa junto con --force-field o --export");
        else if (request.json && request.format == TableFormat::Csv)
            Refuse("--json: no se puede usar junto con --csv");
        else if (!request.analyze && temperatureGiven_)
            Refuse("--temperature: solo se usa junto con --analyze");
        else if (!request.analyze && !request.plotPath.empty())
            Refuse("--plot: solo se usa junto con --analyze");
        else if (request.analyze && precisionGiven_)
            Refuse("--precision: no se usa junto con --analyze, que no recorre una rejilla");
        else if (request.analyze && request.order == RowOrder::ScanOrder)
            Refuse("--ascending: no se usa junto con --analyze, que da siempre los ángulos de menor a mayor");
    }

    // The two force-field modes take none of the scan's or the analysis's own options.
    void RefuseForceFieldConflicts()
    {
        const ScanRequest& request = result_.request;
        const bool list = !request.forceFieldPath.empty();
        const std::string mode = list ? "--force-field" : "--export";
        if (list && !request.exportFormat.empty())
            Refuse("--export: no se puede usar junto con --force-field");
        else if (request.json && request.format == TableFormat::Csv)
            Refuse("--json: no se puede usar junto con --csv");
        else if (request.analyze || precisionGiven_ || !request.plotPath.empty() || request.order == RowOrder::ScanOrder)
            Refuse(mode + ": no se usa junto con --analyze, --precision, --plot ni --ascending");
        else if (list && coefficientGiven_)
            Refuse("--force-field: los coeficientes salen del archivo; no se usa junto con --v1 … --v6");
        else if (!list && (request.json || request.format == TableFormat::Csv || temperatureGiven_))
            Refuse("--export: no se usa junto con --csv, --json ni --temperature");
        else if (!list && (!request.forceFieldFormat.empty() || !request.lammpsStyle.empty() || !request.lammpsUnits.empty()))
            Refuse("--export: --format, --lammps-style y --lammps-units son para --force-field");
    }

    void ReadTextOption(std::string_view name, std::string_view text)
    {
        ScanRequest& request = result_.request;
        if (text.empty()) {
            Refuse(std::string(name) + ": falta el valor");
        } else if (name == "--force-field") {
            request.forceFieldPath = text;
        } else if (name == "--export") {
            request.exportFormat = text;
        } else if (name == "--format") {
            if (FormatNamed(text))
                request.forceFieldFormat = text;
            else
                Refuse("--format: " + Quoted(text) + " no es un formato; los formatos son gromacs|charmm|amber|openmm|offxml|lammps");
        } else if (name == "--lammps-units") {
            if (LammpsUnitsNamed(text))
                request.lammpsUnits = text;
            else
                Refuse("--lammps-units: " + Quoted(text) + " no son unas unidades; las unidades son real|metal|si");
        } else if (name == "--lammps-style") {
            request.lammpsStyle = text;
        } else {
            request.types = TypeWords(text);
            if (request.types.empty())
                Refuse("--types: falta algún nombre de tipo");
            request.typesGiven = true;
        }
    }

    void ReadValue(std::string_view name, std::string_view text)
    {
        if (IsTextOption(name)) {
            ReadTextOption(name, text);
            return;
        }
        if (name == "--plot") {
            if (text.empty())
                Refuse("--plot: falta el nombre del archivo");
            else
                result_.request.plotPath = text;
            return;
        }
        const NumberReading reading = ReadNumber(text);
        if (!reading.ok()) {
            Refuse(std::string(name) + ": " + NumberFault(reading.error, text));
            return;
        }
        if (const auto n = CoefficientIndex(name)) {
            result_.request.coefficients[static_cast<std::size_t>(*n)] = reading.value;
            coefficientGiven_ = true;
            return;
        }
        const bool temperature = name == "--temperature";
        const double first = temperature ? kMinTemperature : kMinPrecision;
        const double last = temperature ? kMaxTemperature : kMaxPrecision;
        if (!(reading.value >= first && reading.value <= last)) {
            Refuse(OutsideRange(name, reading.value, first, last));
            return;
        }
        if (temperature) {
            result_.request.temperature = reading.value;
            temperatureGiven_ = true;
        } else {
            result_.request.precision = reading.value;
            precisionGiven_ = true;
        }
    }

    OptionCursor options_;
    bool precisionGiven_ = false;
    bool temperatureGiven_ = false;
    bool coefficientGiven_ = false;
    CommandLine result_;
};

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> arguments)
{
    return Reader(arguments).Read();
}
