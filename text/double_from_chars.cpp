#include "text/double_from_chars.h"

#if defined(_WIN32) && defined(__i386__)
#include <float.h>
#endif

namespace {

#if defined(_WIN32) && defined(__i386__)
// MinGW's 32-bit C++ runtime is built for x87 arithmetic, which by default keeps 64-bit
// significands. from_chars reads a short decimal with one multiplication or division by a power
// of ten; there that rounds twice, to 64 bits and then to 53, and can miss the nearest double by
// one unit in the last place. While an X87RoundsToDouble lives, x87 results are rounded to 53
// bits at once, which leaves one rounding.
class X87RoundsToDouble {
public:
    X87RoundsToDouble() : previous_(_controlfp(0, 0)) { _controlfp(_PC_53, _MCW_PC); }
    ~X87RoundsToDouble() { _controlfp(previous_, _MCW_PC); }
    X87RoundsToDouble(const X87RoundsToDouble&) = delete;
    X87RoundsToDouble& operator=(const X87RoundsToDouble&) = delete;

private:
    unsigned int previous_;
};
#else
struct X87RoundsToDouble {};
#endif

}  // namespace

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value)
{
    [[maybe_unused]] const X87RoundsToDouble rounding;
    return std::from_chars(first, last, value, std::chars_format::general);
}
