// Fuzz target: the xtb scan-log reader (dihedral 1,2,3,4) on any text. It returns a one-line error naming the file or a
// well-formed profile, whose default fit is a one-line refusal or finite (profile_check.h).

#include "profile_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::CheckReading(ReadXtbProfile(fuzz::Text(data, size), "f.log", {1, 2, 3, 4}));
    return 0;
}
