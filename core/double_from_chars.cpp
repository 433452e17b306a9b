#include "double_from_chars.h"

#if defined(_WIN32) && defined(__i386__)
#include <float.h>
#endif

namespace {

#if defined(_WIN32) && defined(__i386__)
// MinGW's 32-bit C++ runtime is built for x87 arithmetic, which by default keeps 64-bit
// significands. from_chars reads a short decimal with one multiplication or division by a power
// of ten; there that rounds twice, to 64 bits and then to 53, and can miss the nearest double by
// one unit in the last place. Rounding x87 results to 53 bits while it runs leaves one rounding.
class DoubleRoundingOfX87 {
public:
    DoubleRoundingOfX87() : previous_(_controlfp(0, 0)) { _controlfp(_PC_53, _MCW_PC); }
    ~DoubleRoundingOfX87() { _controlfp(previous_, _MCW_PC); }
    DoubleRoundingOfX87(const DoubleRoundingOfX87&) = delete;
    DoubleRoundingOfX87& operator=(const DoubleRoundingOfX87&) = delete;

private:
    unsigned int previous_;
};
#else
struct DoubleRoundingOfX87 {};
#endif

}  // namespace

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value)
{
    [[maybe_unused]] const DoubleRoundingOfX87 rounding;
    return std::from_chars(first, last, value, std::chars_format::general);
}
