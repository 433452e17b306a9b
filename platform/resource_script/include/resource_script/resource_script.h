#pragma once

// The program's resource script as data: dialog templates, strings, pictures and the version
// block, read at run time from the embedded .rc text. Free of Qt so it can be tested alone.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace resource {

// A rectangle in dialog units.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

struct ControlTemplate {
    std::string className;   // "Static", "Edit", "Button" or "SysListView32"
    std::string text;        // UTF-8 caption; empty where textResource names a picture
    int textResource = -1;   // icon or bitmap resource ID shown by an SS_ICON/SS_BITMAP static
    int id = -1;             // control ID; -1 for IDC_STATIC
    std::uint32_t style = 0; // complete window style, the resource compiler's defaults included
    std::uint32_t exStyle = 0;
    Rect rect;
};

// A template's FONT statement: point size, face, and (DIALOGEX only) weight, italic, charset.
struct FontDescription {
    int pointSize = 8;
    std::string face;
    int weight = 0;
    bool italic = false;
    int charset = 0;
};

struct DialogTemplate {
    int id = 0;
    bool extended = false;   // DIALOGEX
    Rect rect;
    std::string caption;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    FontDescription font;
    std::vector<ControlTemplate> controls;  // in template order, which is the tab order
};

struct VersionBlock {
    std::uint16_t fileVersion[4] = {};
    std::uint16_t productVersion[4] = {};
    std::uint32_t fileFlagsMask = 0, fileFlags = 0, fileOS = 0, fileType = 0, fileSubtype = 0;
    std::string stringTableKey;                                  // e.g. "0c0a04b0"
    std::vector<std::pair<std::string, std::string>> strings;    // in script order
    std::vector<std::pair<int, int>> translations;               // (language, code page)
};

// One keyboard shortcut of an ACCELERATORS table: a virtual key, with the keys held with it, that
// sends command as WM_COMMAND. Only VIRTKEY entries are read.
struct Accelerator {
    int key = 0;            // virtual-key code: 'A' ... 'Z', '0' ... '9', or a VK_ value, 1 ... 254
    bool control = false;   // CONTROL
    bool shift = false;     // SHIFT
    bool alt = false;       // ALT
    int command = 0;        // 0 ... 65535
    bool operator==(const Accelerator&) const = default;
};

struct AcceleratorTable {
    int id = 0;
    std::vector<Accelerator> entries;   // in script order
};

// One entry of a menu: a command, a separator, or a popup with entries of its own.
struct MenuItemTemplate {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    std::string text;          // UTF-8; '&' marks the mnemonic, "\t" starts the shortcut text
    int id = 0;                // the command ID of a Command, 0 to 65535
    std::uint32_t flags = 0;   // MF_GRAYED, MF_DISABLED (INACTIVE), MF_CHECKED, MF_MENUBREAK, ...
    std::vector<MenuItemTemplate> items;   // a Popup's entries
};

// A MENU resource: its top-level entries (for a context menu, one popup holding the entries).
struct MenuTemplate {
    int id = 0;
    std::vector<MenuItemTemplate> items;
};

// A picture resource: ID and the file name the script gives for it.
struct PictureResource {
    int id = 0;
    std::string fileName;
};

struct ResourceScript {
    int language = 0;      // primary language of the LANGUAGE statement (LANG_SPANISH = 0x0A)
    int sublanguage = 0;   // SUBLANG_SPANISH_MODERN = 0x03
    std::vector<DialogTemplate> dialogs;
    std::vector<std::pair<int, std::string>> strings;  // STRINGTABLE entries, UTF-8
    std::vector<PictureResource> icons;
    std::vector<PictureResource> bitmaps;
    std::vector<AcceleratorTable> accelerators;
    std::vector<MenuTemplate> menus;
    std::optional<VersionBlock> version;

    // Lookups: nullptr when the script has no such resource.
    const DialogTemplate* FindDialog(int id) const;
    const std::string* FindString(int id) const;
    const PictureResource* FindIcon(int id) const;
    const PictureResource* FindBitmap(int id) const;
    const AcceleratorTable* FindAccelerators(int id) const;
    const MenuTemplate* FindMenu(int id) const;
};

// A parse failure: the 1-based line of the script (or of an included file, named) and a plain
// message that says what was expected.
struct ParseError {
    std::string file;
    int line = 0;
    std::string message;
};

// Either a script or the first error met.
struct ParseOutcome {
    ResourceScript script;
    std::optional<ParseError> error;
    bool ok() const { return !error; }
};

// Returns the text of a file named by #include, or nullopt when there is none. The standard
// headers of the platform (afxres.h, windows.h, winres.h, commctrl.h) are built into the
// parser and never asked for.
using IncludeReader = std::function<std::optional<std::string>(const std::string& name)>;

// Parses the subset of resource-script syntax the program uses: #define, #include, #pragma
// code_page, LANGUAGE, DIALOG/DIALOGEX with their statements and controls, STRINGTABLE,
// VERSIONINFO, ICON, BITMAP, MENU and ACCELERATORS (VIRTKEY entries). Whatever the input, it returns: include depth, expression
// nesting, and the tokens and text of the script with its includes are bounded, and passing a
// bound is a parse error like any other.
ParseOutcome ParseResourceScript(std::string_view script, const IncludeReader& readInclude,
                                 std::string_view fileName = "zelmara.rc");

}  // namespace resource
