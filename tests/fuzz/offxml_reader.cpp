// Fuzz target: ReadOffxml on arbitrary bytes keeps the promises of force_field_check.h.

#include "force_field_check.h"
#include "forcefield/offxml_reader.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::CheckReading(ReadOffxml(text, "fuzz"));
    return 0;
}
