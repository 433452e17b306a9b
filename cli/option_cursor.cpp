#include "option_cursor.h"

#include "cli/shown_text.h"

OptionCursor::OptionCursor(std::span<const std::string_view> arguments, bool (*takesValue)(std::string_view),
                           bool (*isFlag)(std::string_view), std::string_view unknownText)
    : arguments_(arguments), takesValue_(takesValue), isFlag_(isFlag), unknownText_(unknownText)
{
}

std::optional<OptionReading> OptionCursor::Next()
{
    if (next_ < arguments_.size() && !optionsEnded_ && arguments_[next_] == "--") {
        optionsEnded_ = true;
        ++next_;
    }
    if (next_ == arguments_.size()) return std::nullopt;
    const std::string_view argument = arguments_[next_++];
    OptionReading reading;
    if (optionsEnded_) {
        reading.refusal = Quoted(argument) + ": argumento no esperado (tras -- no se admiten más argumentos)";
        return reading;
    }
    if (!argument.starts_with("-")) {
        reading.refusal = Quoted(argument) + ": argumento no esperado (las opciones empiezan por --)";
        return reading;
    }
    const auto equals = argument.find('=');
    reading.name = argument.substr(0, equals);
    const std::string name(reading.name);
    if (takesValue_(reading.name)) {
        if (equals != std::string_view::npos)
            reading.value = argument.substr(equals + 1);
        else if (next_ < arguments_.size() && !arguments_[next_].starts_with("--"))
            reading.value = arguments_[next_++];
        else
            reading.refusal = name + ": falta el valor";
    } else if (isFlag_(reading.name)) {
        if (equals != std::string_view::npos) reading.refusal = name + ": no admite ningún valor";
    } else {
        reading.refusal = ShownText(reading.name) + std::string(unknownText_);
    }
    return reading;
}
