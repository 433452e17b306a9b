#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// One option of a command line as the cursor reads it: its name and, for an option that takes
// a value, the value ("--name=value" or the next argument); or why the argument was refused.
struct OptionReading {
    std::string_view name;
    std::string_view value;
    std::string refusal;   // Spanish, empty when the option was read
    bool ok() const { return refusal.empty(); }
};

// Walks the arguments of zelmara-scan's modes with the rules they share: options start with
// "-", "--" ends them (an argument after it is refused), a value may follow "=" or be the next
// argument unless that one starts with "--", a flag takes no value.
class OptionCursor {
public:
    // takesValue and isFlag tell the mode's names apart; unknownText follows a name that is
    // neither in its refusal (": opción desconocida").
    OptionCursor(std::span<const std::string_view> arguments, bool (*takesValue)(std::string_view),
                 bool (*isFlag)(std::string_view), std::string_view unknownText);

    // The next option, or nullopt when none is left.
    std::optional<OptionReading> Next();

private:
    std::span<const std::string_view> arguments_;
    bool (*takesValue_)(std::string_view);
    bool (*isFlag_)(std::string_view);
    std::string_view unknownText_;
    std::size_t next_ = 0;
    bool optionsEnded_ = false;
};
