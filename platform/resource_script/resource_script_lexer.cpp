#include "resource_script_lexer.h"

#include "text/ascii_text.h"

#include <limits>

namespace resource::detail {
namespace {

bool IsIdentifierStart(char c) { return ascii_text::IsLetter(c) || c == '_'; }
bool IsIdentifierChar(char c) { return IsIdentifierStart(c) || ascii_text::IsDigit(c); }

// Reads the value of a number's spelling; nullopt when it is malformed or exceeds 32 bits.
std::optional<std::int64_t> NumberValue(std::string_view spelling) {
    if (!spelling.empty() && (spelling.back() == 'L' || spelling.back() == 'l'))
        spelling.remove_suffix(1);
    int base = 10;
    if (spelling.size() > 1 && spelling[0] == '0' && (spelling[1] == 'x' || spelling[1] == 'X')) {
        base = 16;
        spelling.remove_prefix(2);
    }
    if (spelling.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : spelling) {
        int digit;
        if (ascii_text::IsDigit(c))
            digit = c - '0';
        else if (base == 16 && ascii_text::IsHexDigit(c))
            digit = ascii_text::ToLower(c) - 'a' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    }
    return value;
}

class Lexer {
public:
    Lexer(std::string_view text, const std::string& fileName, std::uint32_t file,
          std::size_t maxTokens)
        : text_(text), fileName_(fileName), file_(file), maxTokens_(maxTokens) {
        if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;  // UTF-8 byte-order mark
    }

    LexResult Run() {
        LexResult result;
        while (!result.error) {
            SkipBlanksAndComments(result);
            if (result.error) break;
            if (result.tokens.size() == maxTokens_) {
                Fail(result, line_, "too many tokens: a script and the files it includes may "
                                    "hold " + std::to_string(kMaxTokens) + " in all");
                break;
            }
            if (pos_ >= text_.size()) {
                result.tokens.push_back(MakeToken(TokenKind::End, {}));
                break;
            }
            if (auto token = ReadToken(result)) result.tokens.push_back(std::move(*token));
        }
        return result;
    }

private:
    Token MakeToken(TokenKind kind, std::string text) {
        Token token;
        token.kind = kind;
        token.text = std::move(text);
        token.file = file_;
        token.line = line_;
        token.startsLine = lineStart_;
        lineStart_ = false;
        return token;
    }

    void Fail(LexResult& result, int line, std::string message) {
        result.error = ParseError{fileName_, line, std::move(message)};
    }

    void SkipBlanksAndComments(LexResult& result) {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                lineStart_ = true;
                ++pos_;
            } else if (ascii_text::IsSpace(c)) {
                ++pos_;
            } else if (text_.substr(pos_).starts_with("//")) {
                pos_ = text_.find('\n', pos_);
                if (pos_ == std::string_view::npos) pos_ = text_.size();
            } else if (text_.substr(pos_).starts_with("/*")) {
                int openLine = line_;
                std::size_t close = text_.find("*/", pos_ + 2);
                if (close == std::string_view::npos) {
                    Fail(result, openLine, "comment opened with /* is never closed");
                    return;
                }
                for (std::size_t i = pos_; i < close; ++i) line_ += text_[i] == '\n';
                pos_ = close + 2;
            } else {
                return;
            }
        }
    }

    std::optional<Token> ReadToken(LexResult& result) {
        char c = text_[pos_];
        if (c == '"') return ReadString(result);
        if (ascii_text::IsDigit(c)) return ReadNumber(result);
        if (IsIdentifierStart(c)) {
            std::size_t start = pos_;
            while (pos_ < text_.size() && IsIdentifierChar(text_[pos_])) ++pos_;
            return MakeToken(TokenKind::Identifier, std::string(text_.substr(start, pos_ - start)));
        }
        if (std::string_view("#,|(){}-").find(c) != std::string_view::npos) {
            ++pos_;
            return MakeToken(TokenKind::Punct, std::string(1, c));
        }
        std::string message = "unexpected character '";
        message += c;
        message += '\'';
        Fail(result, line_, std::move(message));
        return std::nullopt;
    }

    std::optional<Token> ReadNumber(LexResult& result) {
        std::size_t start = pos_;
        while (pos_ < text_.size() && IsIdentifierChar(text_[pos_])) ++pos_;
        std::string spelling(text_.substr(start, pos_ - start));
        std::optional<std::int64_t> value = NumberValue(spelling);
        if (!value) {
            Fail(result, line_, "malformed number '" + spelling +
                                    "': expected decimal or 0x-hexadecimal digits of at most 32 bits");
            return std::nullopt;
        }
        Token token = MakeToken(TokenKind::Number, spelling);
        token.number = *value;
        return token;
    }

    std::optional<Token> ReadString(LexResult& result) {
        std::string value;
        ++pos_;  // opening quote
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                Fail(result, line_, "string is not closed by '\"' on the line where it starts");
                return std::nullopt;
            }
            char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    value += '"';
                    ++pos_;
                    continue;
                }
                return MakeToken(TokenKind::String, std::move(value));
            }
            if (c == '\\' && pos_ < text_.size()) {
                char escaped = text_[pos_];
                if (escaped == 'n' || escaped == 't' || escaped == '\\' || escaped == '"') {
                    value += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                    ++pos_;
                    continue;
                }
            }
            value += c;
        }
    }

    std::string_view text_;
    const std::string& fileName_;
    std::uint32_t file_;
    std::size_t maxTokens_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool lineStart_ = true;
};

}  // namespace

LexResult Tokenize(std::string_view text, const std::string& fileName, std::uint32_t file,
                   std::size_t maxTokens) {
    return Lexer(text, fileName, file, maxTokens).Run();
}

std::string Describe(const Token& token) {
    switch (token.kind) {
    case TokenKind::Identifier: return "'" + token.text + "'";
    case TokenKind::Number: return "number " + std::to_string(token.number);
    case TokenKind::String: return "string \"" + token.text + "\"";
    case TokenKind::Punct: return "'" + token.text + "'";
    case TokenKind::End: break;
    }
    return "end of file";
}

}  // namespace resource::detail
