// Fuzz target: zelmara-scan's argument reading on arbitrary argument vectors. The input is split
// at NUL bytes into the arguments (at most 64). ParseCommandLine must answer:
// - a refusal with one line of valid UTF-8, at most kMaxMessageBytes long, free of control
//   characters, which zelmara-scan prints to stderr alone before exiting with status 2;
// - or a request whose coefficients are finite and whose precision and temperature lie in their
//   ranges.

#include "cli/command_line.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMaxArguments = 64;
constexpr std::size_t kMaxMessageBytes = 512;

// Valid UTF-8 (no overlong form, surrogate or value above U+10FFFF) without C0 or C1 controls,
// DEL, or a line or paragraph separator.
bool IsOneCleanLine(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7f) return false;
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : 2;
        if (lead < 0xc2 || lead > 0xf4 || i + length > text.size()) return false;
        std::uint32_t code = lead & (0x7fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80) return false;
            code = (code << 6) | (next & 0x3fu);
        }
        const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff || code <= 0x9f ||
            code == 0x2028 || code == 0x2029)
            return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> arguments;
    for (std::size_t start = 0; start <= input.size() && arguments.size() < kMaxArguments;) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        arguments.push_back(input.substr(start, end - start));
        start = end + 1;
    }

    const CommandLine command = ParseCommandLine(arguments);
    if (command.action == CommandAction::Refuse) {
        if (command.error.empty()) fuzz::Fail("a refusal without a message");
        if (command.error.size() > kMaxMessageBytes)
            fuzz::Fail("a message of " + std::to_string(command.error.size()) + " bytes");
        if (!IsOneCleanLine(command.error)) fuzz::Fail("a message with a control character or bad UTF-8");
    } else if (command.action == CommandAction::Scan) {
        const ScanRequest& request = command.request;
        for (std::size_t n = 1; n <= 6; ++n)
            if (!std::isfinite(request.coefficients[n])) fuzz::Fail("a coefficient that is not finite");
        if (!(request.precision >= kMinPrecision && request.precision <= kMaxPrecision))
            fuzz::Fail("a precision outside its range");
        if (!(request.temperature >= kMinTemperature && request.temperature <= kMaxTemperature))
            fuzz::Fail("a temperature outside its range");
    }
    return 0;
}
