// Fuzz target: the resource-script reader (lexer, preprocessor, parser) on arbitrary bytes.
// The input is the script, optionally followed by files it may include, each introduced by a
// NUL byte and its name on a line of its own: "script\0name.h\ntext\0other.h\ntext".
// - It always returns, as a script or as an error naming a file that was read, a line and a
//   message: no crash, no undefined behaviour, no exception, no hang (libFuzzer's time and
//   memory limits stand for the reader's bounds on include depth, nesting and tokens).
// - A script it accepts holds only IDs and coordinates a template can store, each resource
//   ID at most once per kind, and each lookup finds what the lists hold.

#include "fuzz_check.h"
#include "resource_script/resource_script.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kScriptName = "fuzz.rc";

struct Files {
    std::string_view script;
    std::map<std::string, std::string, std::less<>> included;
};

Files SplitInput(std::string_view input)
{
    Files files;
    const auto end = input.find('\0');
    files.script = input.substr(0, end);
    std::string_view rest = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    while (!rest.empty()) {
        const std::string_view file = rest.substr(0, rest.find('\0'));
        rest.remove_prefix(std::min(rest.size(), file.size() + 1));
        const auto newline = file.find('\n');
        if (newline == std::string_view::npos) continue;
        files.included.emplace(file.substr(0, newline), file.substr(newline + 1));
    }
    return files;
}

void CheckRange(std::int64_t value, std::int64_t lowest, std::int64_t highest, const char* what)
{
    if (value < lowest || value > highest)
        fuzz::Fail(std::string(what) + " " + std::to_string(value) + " was accepted");
}

void CheckRect(const resource::Rect& rect)
{
    for (int part : {rect.x, rect.y, rect.width, rect.height}) CheckRange(part, -32768, 32767, "coordinate");
}

// Every ID of a kind in 0..65535, none twice, and the lookup finding the entry itself.
template <typename Entry, typename IdOf, typename Find>
void CheckIds(const std::vector<Entry>& entries, IdOf idOf, Find find, const char* kind)
{
    std::set<int> seen;
    for (const Entry& entry : entries) {
        CheckRange(idOf(entry), 0, 0xFFFF, kind);
        if (!seen.insert(idOf(entry)).second) fuzz::Fail(std::string(kind) + " ID taken twice");
        if (find(idOf(entry)) == nullptr) fuzz::Fail(std::string(kind) + " lookup misses an entry");
    }
}

void CheckMenuItems(const std::vector<resource::MenuItemTemplate>& items)
{
    for (const resource::MenuItemTemplate& item : items) {
        CheckRange(item.id, 0, 0xFFFF, "menu command");
        CheckMenuItems(item.items);
    }
}

void CheckScript(const resource::ResourceScript& script)
{
    CheckIds(script.dialogs, [](const auto& d) { return d.id; },
             [&](int id) { return script.FindDialog(id); }, "dialog");
    CheckIds(script.strings, [](const auto& s) { return s.first; },
             [&](int id) { return script.FindString(id); }, "string");
    CheckIds(script.icons, [](const auto& i) { return i.id; }, [&](int id) { return script.FindIcon(id); }, "icon");
    CheckIds(script.bitmaps, [](const auto& b) { return b.id; },
             [&](int id) { return script.FindBitmap(id); }, "bitmap");
    CheckIds(script.menus, [](const auto& m) { return m.id; }, [&](int id) { return script.FindMenu(id); }, "menu");
    for (const resource::MenuTemplate& menu : script.menus) CheckMenuItems(menu.items);
    for (const resource::DialogTemplate& dialog : script.dialogs) {
        CheckRect(dialog.rect);
        for (const resource::ControlTemplate& control : dialog.controls) {
            CheckRect(control.rect);
            CheckRange(control.id, -1, 0xFFFF, "control ID");
            CheckRange(control.textResource, -1, 0xFFFF, "picture ID");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Files files = SplitInput(std::string_view(reinterpret_cast<const char*>(data), size));
    const resource::ParseOutcome outcome = resource::ParseResourceScript(
        files.script,
        [&files](const std::string& name) -> std::optional<std::string> {
            const auto found = files.included.find(name);
            if (found == files.included.end()) return std::nullopt;
            return found->second;
        },
        kScriptName);

    if (outcome.ok()) {
        CheckScript(outcome.script);
        return 0;
    }
    const resource::ParseError& error = *outcome.error;
    if (error.file != kScriptName && !files.included.contains(error.file))
        fuzz::Fail("the error names \"" + error.file + "\", a file that was never read");
    if (error.line < 1 || error.message.empty()) fuzz::Fail("an error without a line or a message");
    return 0;
}
