#pragma once

// Splits resource-script text into tokens. Comments (// and /* */) are dropped; a line-starting
// '#' is kept as a token so the preprocessor can read the directive that follows on that line.

#include "resource_script.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resource::detail {

enum class TokenKind { Identifier, Number, String, Punct, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;        // identifier name, string contents (escapes resolved), punctuation
                             // character, or a number's spelling
    std::int64_t number = 0; // value of a Number token
    std::string file;
    int line = 0;
    bool startsLine = false; // first token on its line
};

// The tokens of one file, closed by an End token on the file's last line, or the first
// lexical error (unterminated string or comment, malformed number, stray character).
struct LexResult {
    std::vector<Token> tokens;
    std::optional<ParseError> error;
};

// Numbers are decimal or 0x-hexadecimal, with an optional L suffix, and must fit in 32 bits.
// Strings are double-quoted on one line; "" stands for a quote and \\ \" \n \t are escapes.
LexResult Tokenize(std::string_view text, const std::string& fileName);

// A short description of a token for error messages: 'NAME', number 12, string "text", ','.
std::string Describe(const Token& token);

}  // namespace resource::detail
