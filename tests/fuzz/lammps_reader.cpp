// Fuzz target: ReadLammps on arbitrary bytes keeps the promises of force_field_check.h; the
// first byte chooses whether the style and units come from the options or the file.

#include "force_field_check.h"
#include "forcefield/lammps_reader.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    LammpsOptions options;
    if (data[0] & 1) options.style = "fourier";
    if (data[0] & 2) options.units = LammpsUnits::Metal;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    fuzz::CheckReading(ReadLammps(text, "fuzz", options));
    return 0;
}
