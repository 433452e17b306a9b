#include "resource_script_cursor.h"

#include <algorithm>
#include <limits>
#include <string>

namespace resource::detail {

const Token& TokenCursor::Peek(std::size_t ahead) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
}

const Token& TokenCursor::Next() {
    const Token& token = Peek();
    if (pos_ + 1 < tokens_.size()) ++pos_;
    return token;
}

bool TokenCursor::AtPunct(char c) const {
    return Peek().kind == TokenKind::Punct && Peek().text[0] == c;
}

bool TokenCursor::AtKeyword(std::string_view keyword) const {
    return Peek().kind == TokenKind::Identifier && Peek().text == keyword;
}

bool TokenCursor::AcceptPunct(char c) {
    if (!AtPunct(c)) return false;
    Next();
    return true;
}

bool TokenCursor::AcceptKeyword(std::string_view keyword) {
    if (!AtKeyword(keyword)) return false;
    Next();
    return true;
}

bool TokenCursor::ExpectPunct(char c) {
    if (error_) return false;
    const char quoted[] = {'\'', c, '\'', '\0'};
    return AcceptPunct(c) || FailExpected(quoted);
}

bool TokenCursor::ExpectKeyword(std::string_view keyword) {
    if (error_) return false;
    return AcceptKeyword(keyword) || FailExpected(keyword);
}

bool TokenCursor::ReadString(std::string& out, std::string_view what) {
    if (error_) return false;
    if (Peek().kind != TokenKind::String) return FailExpected(what);
    out = Next().text;
    return true;
}

bool TokenCursor::ReadPrimary(std::int64_t& out, std::string_view what) {
    const Token& token = Peek();
    if (token.kind == TokenKind::Number) {
        out = Next().number;
        return true;
    }
    if (token.kind == TokenKind::Identifier) return Fail("unknown symbol '" + token.text + "'");
    if (!AtPunct('-') && !AtPunct('(')) return FailExpected(what);
    if (nesting_ == kMaxNesting)
        return Fail("expression is nested too deeply: more than " + std::to_string(kMaxNesting) +
                    " parentheses and minus signs");
    ++nesting_;
    bool ok;
    if (AcceptPunct('-')) {
        ok = ReadPrimary(out, what);
        out = -out;
    } else {
        Next();
        ok = ReadValue(out, what) && ExpectPunct(')');
    }
    --nesting_;
    return ok;
}

bool TokenCursor::ReadValue(std::int64_t& out, std::string_view what) {
    if (error_ || !ReadPrimary(out, what)) return false;
    while (AcceptPunct('|')) {
        std::int64_t term = 0;
        if (!ReadPrimary(term, what)) return false;
        out |= term;
    }
    return true;
}

bool TokenCursor::ReadInt(int& out, std::string_view what, const ValueRange& range) {
    const Token& at = Peek();
    std::int64_t value = 0;
    if (!ReadValue(value, what)) return false;
    if (value < range.lowest || value > range.highest)
        return FailAt(at, std::string(range.name) + " " + std::to_string(value) + " is outside " +
                              std::to_string(range.lowest) + " to " + std::to_string(range.highest));
    out = static_cast<int>(value);
    return true;
}

bool TokenCursor::ReadStyle(std::uint32_t start, std::uint32_t& out, std::string_view what) {
    if (error_) return false;
    out = start;
    do {
        bool clear = AcceptKeyword("NOT");
        const Token& at = Peek();
        std::int64_t bits = 0;
        if (!ReadPrimary(bits, what)) return false;
        if (bits < std::numeric_limits<std::int32_t>::min() ||
            bits > std::numeric_limits<std::uint32_t>::max())
            return FailAt(at, "value " + std::to_string(bits) + " does not fit in 32 bits");
        if (clear)
            out &= ~static_cast<std::uint32_t>(bits);
        else
            out |= static_cast<std::uint32_t>(bits);
    } while (AcceptPunct('|'));
    return true;
}

bool TokenCursor::Fail(std::string message) { return FailAt(Peek(), std::move(message)); }

bool TokenCursor::FailAt(const Token& token, std::string message) {
    if (!error_) error_ = ParseError{files_[token.file], token.line, std::move(message)};
    return false;
}

bool TokenCursor::FailExpected(std::string_view what) {
    return Fail("expected " + std::string(what) + ", found " + Describe(Peek()));
}

}  // namespace resource::detail
