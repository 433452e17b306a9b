#pragma once

// Reading preprocessed resource-script tokens: expected punctuation, keywords, strings and
// numeric expressions, with the first error kept as a value.

#include "resource_script_lexer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resource::detail {

// The values a field of a resource can hold, and its name in error messages.
struct ValueRange {
    std::int64_t lowest;
    std::int64_t highest;
    std::string_view name;
};

// A read position in a token vector that ends with an End token, holding the first error met.
// Every reading function returns false once an error is recorded, so callers stop at once.
// files names the files the tokens' file fields index.
class TokenCursor {
public:
    TokenCursor(const std::vector<Token>& tokens, const std::vector<std::string>& files)
        : tokens_(tokens), files_(files) {}

    // The token ahead places after the next one (0: the next one), or the End token when that
    // place is at or past it.
    const Token& Peek(std::size_t ahead = 0) const;
    // Returns the next token and moves past it, except the End token, which stays next.
    const Token& Next();
    bool AtEnd() const { return Peek().kind == TokenKind::End; }
    bool AtPunct(char c) const;
    bool AtKeyword(std::string_view keyword) const;

    // Consumes the punctuation or keyword when it comes next; says whether it did.
    bool AcceptPunct(char c);
    bool AcceptKeyword(std::string_view keyword);

    // Consume what is expected, or record "expected <what>, found <next token>" and fail.
    bool ExpectPunct(char c);
    bool ExpectKeyword(std::string_view keyword);
    bool ReadString(std::string& out, std::string_view what);

    // A value: numbers, '-' and parentheses combined with '|', nested at most kMaxNesting
    // deep. An identifier here is an unknown symbol, since the preprocessor has replaced every
    // defined name.
    bool ReadValue(std::int64_t& out, std::string_view what);
    // A value within range; one outside it is an error ("string ID 65537 is outside 0 to
    // 65535"), never narrowed.
    bool ReadInt(int& out, std::string_view what, const ValueRange& range);

    // A style list: terms joined by '|', each a value or NOT and a value, applied from left
    // to right to start: a value's bits are set, a NOT value's bits cleared. Each term must
    // fit in 32 bits, signed or unsigned.
    bool ReadStyle(std::uint32_t start, std::uint32_t& out, std::string_view what);

    // Records message against the next token's file and line (or the given token's) and
    // returns false.
    bool Fail(std::string message);
    bool FailAt(const Token& token, std::string message);
    bool FailExpected(std::string_view what);

    const std::optional<ParseError>& error() const { return error_; }

    // Parentheses and minus signs a value may open inside one another; each costs a level of
    // recursion.
    static constexpr int kMaxNesting = 256;

private:
    bool ReadPrimary(std::int64_t& out, std::string_view what);

    const std::vector<Token>& tokens_;
    const std::vector<std::string>& files_;
    std::size_t pos_ = 0;
    int nesting_ = 0;
    std::optional<ParseError> error_;
};

}  // namespace resource::detail
