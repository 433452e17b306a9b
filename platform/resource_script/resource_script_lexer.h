#pragma once

// Splits resource-script text into tokens. Comments (// and /* */) are dropped; a line-starting
// '#' is kept as a token so the preprocessor can read the directive that follows on that line.

#include "resource_script/resource_script.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resource::detail {

// The most tokens the reader makes of a script and the files it includes, counting a file
// again each time it is included: far more than a real script holds, and a bound on what a
// deep include tree or a generated file can cost in time and memory.
inline constexpr std::size_t kMaxTokens = 1'000'000;

enum class TokenKind { Identifier, Number, String, Punct, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;        // identifier name, string contents (escapes resolved), punctuation
                             // character, or a number's spelling
    std::int64_t number = 0; // value of a Number token
    std::uint32_t file = 0;  // the file's place in the reader's list of file names
    int line = 0;
    bool startsLine = false; // first token on its line
};

// The tokens of one file, closed by an End token on the file's last line, or the first
// lexical error (unterminated string or comment, malformed number, stray character, more
// tokens than allowed).
struct LexResult {
    std::vector<Token> tokens;
    std::optional<ParseError> error;
};

// Numbers are decimal or 0x-hexadecimal, with an optional L suffix, and must fit in 32 bits.
// Strings are double-quoted on one line; "" stands for a quote and \\ \" \n \t are escapes.
// Tokens carry file, the place of fileName in the caller's list; at most maxTokens are made,
// the End token included (the caller passes what is left of kMaxTokens).
LexResult Tokenize(std::string_view text, const std::string& fileName, std::uint32_t file,
                   std::size_t maxTokens);

// A short description of a token for error messages: 'NAME', number 12, string "text", ','.
std::string Describe(const Token& token);

}  // namespace resource::detail
