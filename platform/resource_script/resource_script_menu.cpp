#include "resource_script_parser.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace resource::detail {
namespace {

// The options an entry may carry, with the MF_ flag each sets.
constexpr std::array<std::pair<std::string_view, std::uint32_t>, 6> kMenuOptions = {{
    {"GRAYED", 0x0001},
    {"INACTIVE", 0x0002},
    {"CHECKED", 0x0008},
    {"MENUBARBREAK", 0x0020},
    {"MENUBREAK", 0x0040},
    {"HELP", 0x4000},
}};

constexpr ValueRange kCommandId{0, 0xFFFF, "menu command"};

const std::uint32_t* OptionAhead(const TokenCursor& in) {
    for (const auto& [keyword, flag] : kMenuOptions)
        if (in.AtKeyword(keyword)) return &flag;
    return nullptr;
}

// The options after an entry's text or ID, each led by a comma or a blank.
bool ReadOptions(TokenCursor& in, std::uint32_t& flags) {
    for (;;) {
        const bool comma = in.AcceptPunct(',');
        const std::uint32_t* flag = OptionAhead(in);
        if (flag == nullptr)
            return !comma || in.FailExpected("GRAYED, INACTIVE, CHECKED, MENUBARBREAK, MENUBREAK or HELP");
        flags |= *flag;
        in.Next();
    }
}

bool ParseItems(TokenCursor& in, std::vector<MenuItemTemplate>& items, int depth);

// MENUITEM SEPARATOR, or MENUITEM "text", id [options].
bool ParseMenuItem(TokenCursor& in, MenuItemTemplate& item) {
    if (in.AcceptKeyword("SEPARATOR")) {
        item.kind = MenuItemTemplate::Kind::Separator;
        return true;
    }
    return in.ReadString(item.text, "the entry's quoted text or SEPARATOR") && in.ExpectPunct(',') &&
           in.ReadInt(item.id, "the entry's command ID", kCommandId) && ReadOptions(in, item.flags);
}

// POPUP "text" [options] BEGIN entries END.
bool ParsePopup(TokenCursor& in, MenuItemTemplate& item, int depth) {
    item.kind = MenuItemTemplate::Kind::Popup;
    if (depth >= kMaxMenuDepth)
        return in.Fail("menus are nested too deeply (more than " + std::to_string(kMaxMenuDepth) + ")");
    return in.ReadString(item.text, "the popup's quoted text") && ReadOptions(in, item.flags) &&
           ParseItems(in, item.items, depth + 1);
}

bool ParseItems(TokenCursor& in, std::vector<MenuItemTemplate>& items, int depth) {
    Token begin;
    if (!ExpectBlockStart(in, begin)) return false;
    while (!AcceptBlockEnd(in, begin) && !in.error()) {
        MenuItemTemplate item;
        bool ok;
        if (in.AcceptKeyword("MENUITEM"))
            ok = ParseMenuItem(in, item);
        else if (in.AcceptKeyword("POPUP"))
            ok = ParsePopup(in, item, depth);
        else
            return in.FailExpected("MENUITEM, POPUP or END");
        if (!ok) return false;
        items.push_back(std::move(item));
    }
    return !in.error();
}

}  // namespace

bool ParseMenu(TokenCursor& in, MenuTemplate& menu) {
    return ParseItems(in, menu.items, 0);
}

}  // namespace resource::detail
