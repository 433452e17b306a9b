#pragma once

// A strict JSON reader for tests (RFC 8259): proves that zelmara-scan's output is valid JSON and
// gives its values back for checking.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;       // a string's value, or a number's text as written
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    const JsonValue& operator[](const std::string& key) const { return members.at(key); }
    const JsonValue& operator[](std::size_t index) const { return items.at(index); }
};

// The value of text, which must be one JSON value with nothing but blanks around it; nothing
// when text is not valid JSON or an object repeats a key.
std::optional<JsonValue> ReadJson(std::string_view text);
