#include "resource_script_preprocessor.h"

#include "resource_script_cursor.h"
#include "resource_script_symbols.h"

#include <cstdint>
#include <map>
#include <string>

namespace resource::detail {
namespace {

constexpr int kMaxIncludeDepth = 16;
constexpr std::int64_t kUtf8CodePage = 65001;

class Preprocessor {
public:
    explicit Preprocessor(const IncludeReader& readInclude) : readInclude_(readInclude) {}

    PreprocessResult Run(std::string_view script, const std::string& fileName) {
        if (script.size() > kMaxScriptBytes) {
            result_.error = ParseError{fileName, 1, TooMuchTextMessage()};
        } else if (ProcessFile(script, fileName, 0)) {
            result_.tokens.push_back(end_);
        }
        result_.files = std::move(files_);
        return std::move(result_);
    }

private:
    bool Fail(const Token& at, std::string message) {
        result_.error = ParseError{files_[at.file], at.line, std::move(message)};
        return false;
    }

    static std::string TooMuchTextMessage() {
        return "too much text: a script and the files it includes may hold " +
               std::to_string(kMaxScriptBytes >> 20) + " MiB in all";
    }

    // The place of fileName in files_, added at its first inclusion.
    std::uint32_t FileIndex(const std::string& fileName) {
        auto [place, added] = fileIndex_.try_emplace(fileName, static_cast<std::uint32_t>(files_.size()));
        if (added) files_.push_back(fileName);
        return place->second;
    }

    bool ProcessFile(std::string_view text, const std::string& fileName, int depth) {
        bytesLeft_ -= text.size();
        LexResult lexed = Tokenize(text, fileName, FileIndex(fileName), tokensLeft_);
        if (lexed.error) {
            result_.error = std::move(lexed.error);
            return false;
        }
        tokensLeft_ -= lexed.tokens.size();
        const std::vector<Token>& tokens = lexed.tokens;
        for (std::size_t i = 0; tokens[i].kind != TokenKind::End;) {
            const Token& token = tokens[i];
            if (token.kind == TokenKind::Punct && token.text == "#" && token.startsLine) {
                std::size_t next = i + 1;
                while (tokens[next].kind != TokenKind::End && !tokens[next].startsLine) ++next;
                std::vector<Token> directive(tokens.begin() + static_cast<std::ptrdiff_t>(i),
                                             tokens.begin() + static_cast<std::ptrdiff_t>(next));
                if (!RunDirective(directive, depth)) return false;
                i = next;
            } else {
                result_.tokens.push_back(Substituted(token));
                ++i;
            }
        }
        if (depth == 0) end_ = tokens.back();
        return true;
    }

    // The token with a defined name replaced by a Number token of its value.
    Token Substituted(const Token& token) const {
        if (token.kind != TokenKind::Identifier) return token;
        std::optional<std::int64_t> value = ValueOf(token.text);
        if (!value) return token;
        Token number = token;
        number.kind = TokenKind::Number;
        number.number = *value;
        return number;
    }

    std::optional<std::int64_t> ValueOf(const std::string& name) const {
        if (auto defined = defines_.find(name); defined != defines_.end()) return defined->second;
        if (platformNames_) return PlatformSymbolValue(name);
        return std::nullopt;
    }

    // directive holds the '#' and the rest of its line.
    bool RunDirective(const std::vector<Token>& directive, int depth) {
        const Token& hash = directive[0];
        if (directive.size() < 2 || directive[1].kind != TokenKind::Identifier)
            return Fail(hash, "expected a directive name after '#'");
        const std::string& name = directive[1].text;
        if (name == "include") return Include(directive, depth);
        if (name == "define") return Define(directive);
        if (name == "pragma") return Pragma(directive);
        return Fail(hash, "unsupported directive #" + name);
    }

    bool Include(const std::vector<Token>& directive, int depth) {
        const Token& hash = directive[0];
        if (directive.size() != 3 || directive[2].kind != TokenKind::String)
            return Fail(hash, "expected a quoted file name after #include");
        const std::string& name = directive[2].text;
        if (IsPlatformHeader(name)) {
            platformNames_ = true;
            return true;
        }
        if (depth + 1 >= kMaxIncludeDepth)
            return Fail(hash, "#include \"" + name + "\" is nested too deeply; does it include itself?");
        std::optional<std::string> text = readInclude_(name);
        if (!text) return Fail(hash, "cannot find include file \"" + name + "\"");
        if (text->size() > bytesLeft_) return Fail(hash, TooMuchTextMessage());
        return ProcessFile(*text, name, depth + 1);
    }

    bool Define(const std::vector<Token>& directive) {
        const Token& hash = directive[0];
        if (directive.size() < 3 || directive[2].kind != TokenKind::Identifier)
            return Fail(hash, "expected a name after #define");
        const std::string& name = directive[2].text;
        if (directive.size() == 3) return true;  // a name without a value; never read

        std::vector<Token> body;
        for (std::size_t i = 3; i < directive.size(); ++i) body.push_back(Substituted(directive[i]));
        Token end = hash;
        end.kind = TokenKind::End;
        body.push_back(end);
        TokenCursor cursor(body, files_);
        std::int64_t value = 0;
        if (!cursor.ReadValue(value, "a number") || !cursor.AtEnd()) {
            if (!cursor.error()) cursor.FailExpected("end of line");
            return Fail(hash, "#define " + name + ": " + cursor.error()->message);
        }
        if (std::optional<std::int64_t> old = ValueOf(name); old && *old != value)
            return Fail(hash, name + " is redefined with a different value (was " +
                                  std::to_string(*old) + ")");
        defines_[name] = value;
        return true;
    }

    bool Pragma(const std::vector<Token>& directive) {
        const Token& hash = directive[0];
        bool isCodePage = directive.size() == 6 && directive[2].text == "code_page" &&
                          directive[3].text == "(" && directive[4].kind == TokenKind::Number &&
                          directive[5].text == ")";
        if (!isCodePage) return Fail(hash, "unsupported #pragma; only code_page(65001) is read");
        if (directive[4].number != kUtf8CodePage)
            return Fail(hash, "code page " + std::to_string(directive[4].number) +
                                  " is not supported; the script must be UTF-8, code_page(65001)");
        return true;
    }

    const IncludeReader& readInclude_;
    std::vector<std::string> files_;
    std::map<std::string, std::uint32_t, std::less<>> fileIndex_;
    std::size_t tokensLeft_ = kMaxTokens;
    std::size_t bytesLeft_ = kMaxScriptBytes;
    std::map<std::string, std::int64_t, std::less<>> defines_;
    bool platformNames_ = false;
    Token end_;
    PreprocessResult result_;
};

}  // namespace

PreprocessResult Preprocess(std::string_view script, const std::string& fileName,
                            const IncludeReader& readInclude) {
    return Preprocessor(readInclude).Run(script, fileName);
}

}  // namespace resource::detail
