#pragma once

// The preprocessing stage of the resource-script reader: runs #include, #define and
// #pragma code_page, and replaces every defined name in the remaining tokens by its value.

#include "resource_script/resource_script.h"
#include "resource_script_lexer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resource::detail {

// The script's resource statements as tokens, included files expanded in place, each defined
// name replaced by a Number token (kept at the line where the name stood), and a closing End
// token; or the first error. A #define must give a number, possibly a parenthesised and
// |-combined expression of numbers and names defined before it; the platform's names
// (resource_script_symbols.h) count as defined once a platform header has been included.
// Redefining a name with a different value is an error. Includes nest at most 16 deep, and
// the script and the files it includes, each counted again each time it is included, hold at
// most kMaxTokens tokens and kMaxScriptBytes of text.
struct PreprocessResult {
    std::vector<Token> tokens;
    std::vector<std::string> files;  // the names the tokens' file fields index
    std::optional<ParseError> error;
};

inline constexpr std::size_t kMaxScriptBytes = 16 << 20;

PreprocessResult Preprocess(std::string_view script, const std::string& fileName,
                            const IncludeReader& readInclude);

}  // namespace resource::detail
