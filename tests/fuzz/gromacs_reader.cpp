// Fuzz target: ReadGromacs on arbitrary bytes keeps the promises of force_field_check.h. Its
// includes find "inc.itp" (the input itself, so that an input including it nests until the
// depth bound or the cycle check stops it) and "data/other.itp"; nothing else exists.

#include "force_field_check.h"
#include "forcefield/gromacs_reader.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const GromacsFiles files{[&text](const std::string& path) {
                                 IncludedFile file;
                                 if (path == "inc.itp") file = {true, text, ""};
                                 if (path == "data/other.itp") file = {true, "[ dihedraltypes ]\nA B 9 0 1 2\n#include \"inc.itp\"\n", ""};
                                 return file;
                             },
                             {"data"}};
    fuzz::CheckReading(ReadGromacs(text, "fuzz", files));
    return 0;
}
