#include "resource_script_parser.h"

#include <string>
#include <unordered_set>

namespace resource::detail {
namespace {

// Resource and string IDs are 16-bit numbers; a LANGUAGE statement's two parts make one 16-bit
// language ID, 10 bits for the primary language and 6 for the sublanguage.
constexpr ValueRange kResourceId{0, 0xFFFF, "resource ID"};
constexpr ValueRange kStringId{0, 0xFFFF, "string ID"};
constexpr ValueRange kPrimaryLanguage{0, 0x3FF, "primary language"};
constexpr ValueRange kSublanguage{0, 0x3F, "sublanguage"};

// The IDs each kind of resource has used so far, for the "defined twice" errors: a set, as a
// search of the script's lists would make reading a long string table quadratic.
struct TakenIds {
    std::unordered_set<int> dialogs, strings, icons, bitmaps, menus, accelerators;
};

bool ParseStringTable(TokenCursor& in, ResourceScript& script, TakenIds& taken) {
    Token begin;
    if (!ExpectBlockStart(in, begin)) return false;
    while (!AcceptBlockEnd(in, begin) && !in.error()) {
        const Token& at = in.Peek();
        int id = 0;
        std::string text;
        if (!in.ReadInt(id, "a string ID or END", kStringId)) return false;
        in.AcceptPunct(',');
        if (!in.ReadString(text, "the string's text")) return false;
        if (!taken.strings.insert(id).second)
            return in.FailAt(at, "string " + std::to_string(id) + " is defined twice");
        script.strings.emplace_back(id, std::move(text));
    }
    return !in.error();
}

// The file name after ICON or BITMAP; taken says whether the ID is already in use.
bool ParsePicture(TokenCursor& in, int id, bool taken, const std::string& kind, const Token& at,
                  std::vector<PictureResource>& pictures) {
    PictureResource picture{id, {}};
    if (!in.ReadString(picture.fileName, "the quoted file name of the " + kind)) return false;
    if (taken) return in.FailAt(at, kind + " " + std::to_string(id) + " is defined twice");
    pictures.push_back(std::move(picture));
    return true;
}

bool IsResourceKeyword(const Token& token) {
    return token.kind == TokenKind::Identifier &&
           (token.text == "DIALOG" || token.text == "DIALOGEX" || token.text == "ICON" ||
            token.text == "BITMAP" || token.text == "MENU" || token.text == "ACCELERATORS" ||
            token.text == "VERSIONINFO");
}

bool ParseIdLedStatement(TokenCursor& in, ResourceScript& script, TakenIds& taken) {
    const Token at = in.Peek();
    // A name before a resource keyword is an undefined ID; any other stray word is not a
    // statement at all.
    if (at.kind == TokenKind::Identifier && !IsResourceKeyword(in.Peek(1)))
        return in.FailExpected("LANGUAGE, STRINGTABLE or a resource ID");
    int id = 0;
    if (!in.ReadInt(id, "a resource statement", kResourceId)) return false;
    bool extended = in.AtKeyword("DIALOGEX");
    if (in.AcceptKeyword("DIALOG") || in.AcceptKeyword("DIALOGEX")) {
        if (!taken.dialogs.insert(id).second)
            return in.FailAt(at, "dialog " + std::to_string(id) + " is defined twice");
        DialogTemplate dialog;
        dialog.id = id;
        dialog.extended = extended;
        if (!ParseDialog(in, dialog)) return false;
        script.dialogs.push_back(std::move(dialog));
        return true;
    }
    if (in.AcceptKeyword("ICON"))
        return ParsePicture(in, id, !taken.icons.insert(id).second, "icon", at, script.icons);
    if (in.AcceptKeyword("BITMAP"))
        return ParsePicture(in, id, !taken.bitmaps.insert(id).second, "bitmap", at,
                            script.bitmaps);
    if (in.AcceptKeyword("ACCELERATORS")) {
        if (!taken.accelerators.insert(id).second)
            return in.FailAt(at, "accelerator table " + std::to_string(id) + " is defined twice");
        AcceleratorTable table;
        table.id = id;
        if (!ParseAccelerators(in, table)) return false;
        script.accelerators.push_back(std::move(table));
        return true;
    }
    if (in.AcceptKeyword("MENU")) {
        if (!taken.menus.insert(id).second)
            return in.FailAt(at, "menu " + std::to_string(id) + " is defined twice");
        MenuTemplate menu;
        menu.id = id;
        if (!ParseMenu(in, menu)) return false;
        script.menus.push_back(std::move(menu));
        return true;
    }
    if (in.AcceptKeyword("VERSIONINFO")) {
        if (script.version) return in.FailAt(at, "the version block is defined twice");
        VersionBlock version;
        if (!ParseVersionInfo(in, version)) return false;
        script.version = std::move(version);
        return true;
    }
    return in.FailExpected("DIALOG, DIALOGEX, ICON, BITMAP, MENU, ACCELERATORS or VERSIONINFO");
}

}  // namespace

bool ExpectBlockStart(TokenCursor& in, Token& begin) {
    if (in.error()) return false;
    begin = in.Peek();
    return in.AcceptKeyword("BEGIN") || in.AcceptPunct('{') || in.FailExpected("BEGIN");
}

bool AcceptBlockEnd(TokenCursor& in, const Token& begin) {
    if (in.AcceptKeyword("END") || in.AcceptPunct('}')) return true;
    if (in.AtEnd()) in.FailAt(begin, "this BEGIN has no matching END before the end of the file");
    return false;
}

bool ParseStatements(TokenCursor& in, ResourceScript& script) {
    TakenIds taken;
    while (!in.AtEnd()) {
        bool ok;
        if (in.AcceptKeyword("LANGUAGE"))
            ok = in.ReadInt(script.language, "a language", kPrimaryLanguage) && in.ExpectPunct(',') &&
                 in.ReadInt(script.sublanguage, "a sublanguage", kSublanguage);
        else if (in.AcceptKeyword("STRINGTABLE"))
            ok = ParseStringTable(in, script, taken);
        else
            ok = ParseIdLedStatement(in, script, taken);
        if (!ok) return false;
    }
    return true;
}

}  // namespace resource::detail
