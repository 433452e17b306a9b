#include "command_line.h"

#include "number_text.h"
#include "shown_text.h"

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
    case NumberError::OutOfRange:
        return Quoted(text) + " está fuera del intervalo representable";
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

bool TakesValue(std::string_view name)
{
    return name == "--precision" || CoefficientIndex(name).has_value();
}

bool IsFlag(std::string_view name)
{
    return name == "--ascending" || name == "--csv" || name == "--json" || name == "--help" || name == "--version";
}

class Reader {
public:
    explicit Reader(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    CommandLine Read()
    {
        while (next_ < arguments_.size() && result_.action == CommandAction::Scan)
            ReadOption(arguments_[next_++]);
        if (result_.action == CommandAction::Scan) RefuseConflicts();
        return result_;
    }

private:
    void Refuse(std::string message)
    {
        result_.action = CommandAction::Refuse;
        result_.error = std::move(message);
    }

    void ReadOption(std::string_view argument)
    {
        if (optionsEnded_) {
            Refuse(Quoted(argument) + ": argumento no esperado (tras -- no se admiten más argumentos)");
            return;
        }
        if (argument == "--") {
            optionsEnded_ = true;
            return;
        }
        if (!argument.starts_with("-")) {
            Refuse(Quoted(argument) + ": argumento no esperado (las opciones empiezan por --)");
            return;
        }
        const auto equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (TakesValue(name)) {
            if (equals != std::string_view::npos)
                ReadValue(name, argument.substr(equals + 1));
            else if (next_ < arguments_.size() && !arguments_[next_].starts_with("--"))
                ReadValue(name, arguments_[next_++]);
            else
                Refuse(std::string(name) + ": falta el valor");
        } else if (IsFlag(name)) {
            if (equals != std::string_view::npos)
                Refuse(std::string(name) + ": no admite ningún valor");
            else
                ApplyFlag(name);
        } else {
            Refuse(ShownText(name) + ": opción desconocida");
        }
    }

    void ApplyFlag(std::string_view name)
    {
        if (name == "--ascending")
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
        if (request.json && request.format == TableFormat::Csv) Refuse("--json: no se puede usar junto con --csv");
    }

    void ReadValue(std::string_view name, std::string_view text)
    {
        const NumberReading reading = ReadNumber(text);
        if (!reading.ok()) {
            Refuse(std::string(name) + ": " + NumberFault(reading.error, text));
            return;
        }
        if (const auto n = CoefficientIndex(name)) {
            result_.request.coefficients[static_cast<std::size_t>(*n)] = reading.value;
            return;
        }
        if (!(reading.value >= kMinPrecision && reading.value <= kMaxPrecision)) {
            Refuse(std::string(name) + ": el valor " + FormatRoundTrip(reading.value) +
                   " está fuera del intervalo " + FormatRoundTrip(kMinPrecision) + " … " +
                   FormatRoundTrip(kMaxPrecision));
            return;
        }
        result_.request.precision = reading.value;
    }

    std::span<const std::string_view> arguments_;
    std::size_t next_ = 0;
    bool optionsEnded_ = false;
    CommandLine result_;
};

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> arguments)
{
    return Reader(arguments).Read();
}
