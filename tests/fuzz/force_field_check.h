#pragma once

// What every force-field reader promises, whatever its input: an error names the file and a
// line ("FILE:LINE: "); a reading has no torsion without types and with a source line outside the text's; a
// converted torsion has finite V1 ... V6 and offset, a refused one a reason.

#include "forcefield/torsion.h"
#include "fuzz_check.h"

#include <cmath>
#include <string>

namespace fuzz {

// Whether a message starts "NAME:LINE: ", NAME without a colon, LINE digits.
inline bool Located(const std::string& message)
{
    const std::size_t colon = message.find(':');
    std::size_t digits = colon + 1;
    while (colon != std::string::npos && digits < message.size() && message[digits] >= '0' && message[digits] <= '9')
        ++digits;
    return colon != std::string::npos && colon > 0 && digits > colon + 1 && message.compare(digits, 2, ": ") == 0;
}

inline void CheckReading(const ForceFieldReading& reading)
{
    if (!reading.ok()) {
        if (!Located(reading.error)) Fail("an error without its file and line: " + reading.error);
        return;
    }
    if (reading.impropersSkipped < 0) Fail("a negative improper count");
    for (const ForceFieldTorsion& torsion : reading.torsions) {
        if (torsion.types.empty() || torsion.line < 1) Fail("a torsion without types or line");
        if (!torsion.converted()) continue;
        bool finite = std::isfinite(torsion.offset);
        for (std::size_t n = 1; n <= 6; ++n) finite = finite && std::isfinite(torsion.V[n]);
        if (!finite) Fail("a converted torsion with a coefficient that is not finite");
    }
}

}  // namespace fuzz
