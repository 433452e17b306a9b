#include "cli/export_program.h"

#include "forcefield/torsion_writer.h"
#include "cli/shown_text.h"

#include <algorithm>

namespace {

constexpr int kExitBadArguments = 2;

}  // namespace

int ExportCoefficients(const ScanRequest& request, std::string& out, std::string& error)
{
    const auto format = ExportFormatNamed(request.exportFormat);
    if (!format) {
        error = "--export: " + Quoted(request.exportFormat) + " no es un formato; los formatos son " +
                std::string(ExportFormatNames());
        return kExitBadArguments;
    }
    std::array<std::string, 4> types{"X", "X", "X", "X"};
    if (request.typesGiven) {
        if (request.types.size() != 4) {
            error = "--types: --export necesita cuatro nombres de tipo";
            return kExitBadArguments;
        }
        std::copy(request.types.begin(), request.types.end(), types.begin());
    }
    const ExportedTorsion exported = ExportTorsion(*format, request.coefficients, types);
    if (!exported.ok()) {
        error = exported.refusal;
        return kExitBadArguments;
    }
    out = exported.text;
    return 0;
}
