#include "cli/json_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

char* WriteJsonNumber(char* out, double value)
{
    if (!std::isfinite(value)) {
        std::memcpy(out, "null", 4);
        return out + 4;
    }
    // Without a precision to_chars writes the fewest significant digits that read back
    // exactly, in fixed or exponent form, whichever is shorter: always a valid JSON number.
    return std::to_chars(out, out + kJsonNumberCapacity, value).ptr;
}

std::string JsonNumber(double value)
{
    char text[kJsonNumberCapacity];
    return std::string(text, WriteJsonNumber(text, value));
}
