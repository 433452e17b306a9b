#pragma once

// The names that the platform's standard headers (afxres.h, windows.h, winres.h, commctrl.h)
// give to a resource script: window, dialog, control and list-view styles, version-block
// flags, languages, character sets and the standard control IDs.

#include <cstdint>
#include <optional>
#include <string_view>

namespace resource::detail {

// True for the header names whose contents are built in (compared without regard to case).
bool IsPlatformHeader(std::string_view fileName);

// The standard value of a platform name, or nullopt when the headers do not define it.
std::optional<std::int64_t> PlatformSymbolValue(std::string_view name);

}  // namespace resource::detail
