#include "resource_script_parser.h"

#include <cstdint>
#include <string>

namespace resource::detail {
namespace {

constexpr std::int64_t kMaxCommandId = 0xFFFF;
constexpr std::int64_t kMaxVirtualKey = 0xFE;

bool IsKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The key: a quoted capital letter or digit (its own virtual-key code) or a virtual-key value.
bool ReadKey(TokenCursor& in, int& key) {
    const Token at = in.Peek();
    if (at.kind == TokenKind::String) {
        in.Next();
        if (at.text.size() != 1 || !IsKeyCharacter(at.text[0]))
            return in.FailAt(at, "an accelerator's quoted key must be one capital letter or digit, not \"" +
                                     at.text + "\"");
        key = at.text[0];
        return true;
    }
    std::int64_t value = 0;
    if (!in.ReadValue(value, "the accelerator's key")) return false;
    if (value < 1 || value > kMaxVirtualKey)
        return in.FailAt(at, "virtual key " + std::to_string(value) + " is outside 1 to 254");
    key = static_cast<int>(value);
    return true;
}

// ", VIRTKEY" and the other options, each after a comma.
bool ReadOptions(TokenCursor& in, Accelerator& entry) {
    bool virtualKey = false;
    const Token first = in.Peek();
    while (in.AcceptPunct(',')) {
        if (in.AcceptKeyword("VIRTKEY"))
            virtualKey = true;
        else if (in.AcceptKeyword("CONTROL"))
            entry.control = true;
        else if (in.AcceptKeyword("SHIFT"))
            entry.shift = true;
        else if (in.AcceptKeyword("ALT"))
            entry.alt = true;
        else if (!in.AcceptKeyword("NOINVERT"))
            return in.FailExpected("VIRTKEY, CONTROL, SHIFT, ALT or NOINVERT");
    }
    return virtualKey || in.FailAt(first, "only VIRTKEY accelerators are read: add VIRTKEY");
}

bool ParseEntry(TokenCursor& in, Accelerator& entry) {
    if (!(ReadKey(in, entry.key) && in.ExpectPunct(','))) return false;
    const Token at = in.Peek();
    std::int64_t command = 0;
    if (!in.ReadValue(command, "the accelerator's command ID")) return false;
    if (command < 0 || command > kMaxCommandId)
        return in.FailAt(at, "accelerator command " + std::to_string(command) + " is outside 0 to 65535");
    entry.command = static_cast<int>(command);
    return ReadOptions(in, entry);
}

}  // namespace

bool ParseAccelerators(TokenCursor& in, AcceleratorTable& table) {
    Token begin;
    if (!ExpectBlockStart(in, begin)) return false;
    while (!AcceptBlockEnd(in, begin) && !in.error()) {
        Accelerator entry;
        if (!ParseEntry(in, entry)) return false;
        table.entries.push_back(entry);
    }
    return !in.error();
}

}  // namespace resource::detail
