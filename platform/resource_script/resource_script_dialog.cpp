#include "resource_script_parser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace resource::detail {
namespace {

constexpr std::uint32_t kWsPopup = 0x80000000, kWsChild = 0x40000000, kWsVisible = 0x10000000,
                        kWsBorder = 0x00800000, kWsSysMenu = 0x00080000, kWsGroup = 0x00020000,
                        kWsTabStop = 0x00010000;
constexpr std::uint32_t kDsSetFont = 0x0040;
constexpr std::uint32_t kSsLeft = 0x0000, kSsIcon = 0x0003;
constexpr std::uint32_t kEsLeft = 0x0000;
constexpr std::uint32_t kBsPushButton = 0x0000, kBsDefPushButton = 0x0001, kBsAutoCheckBox = 0x0003;
constexpr std::uint32_t kCbsSimple = 0x0001;
constexpr int kDefaultCharset = 1;

// What a dialog template stores each field in: coordinates and sizes as 16-bit signed numbers,
// IDs, point size and weight as 16-bit unsigned ones (IDC_STATIC, -1, is a control ID's one
// negative value), italic flag and character set as bytes.
constexpr ValueRange kDialogUnits{-32768, 32767, "position or size"};
constexpr ValueRange kControlId{-1, 0xFFFF, "control ID"};
constexpr ValueRange kPictureId{0, 0xFFFF, "picture ID"};
constexpr ValueRange kPointSize{0, 0xFFFF, "point size"};
constexpr ValueRange kFontWeight{0, 0xFFFF, "font weight"};
constexpr ValueRange kItalicFlag{0, 0xFF, "italic flag"};
constexpr ValueRange kCharacterSet{0, 0xFF, "character set"};

// A control statement with a fixed window class, and the style the resource compiler gives it
// before the statement's own style list is applied. WS_CHILD | WS_VISIBLE come on top.
struct ControlKind {
    std::string_view keyword;
    std::string_view className;
    std::uint32_t defaultStyle;
    bool hasText;
    bool sizeOptional;  // ICON: width and height may be left out
};

constexpr std::array<ControlKind, 7> kControlKinds = {{
    {"LTEXT", "Static", kSsLeft | kWsGroup, true, false},
    {"EDITTEXT", "Edit", kEsLeft | kWsBorder | kWsTabStop, false, false},
    {"PUSHBUTTON", "Button", kBsPushButton | kWsTabStop, true, false},
    {"DEFPUSHBUTTON", "Button", kBsDefPushButton | kWsTabStop, true, false},
    {"ICON", "Static", kSsIcon, true, true},
    {"COMBOBOX", "ComboBox", kCbsSimple | kWsTabStop, false, false},
    {"AUTOCHECKBOX", "Button", kBsAutoCheckBox | kWsTabStop, true, false},
}};

bool ReadRect(TokenCursor& in, Rect& rect) {
    return in.ReadInt(rect.x, "the x coordinate", kDialogUnits) && in.ExpectPunct(',') &&
           in.ReadInt(rect.y, "the y coordinate", kDialogUnits) && in.ExpectPunct(',') &&
           in.ReadInt(rect.width, "the width", kDialogUnits) && in.ExpectPunct(',') &&
           in.ReadInt(rect.height, "the height", kDialogUnits);
}

// A control's text: a string, or a number naming the picture resource a static shows.
bool ReadControlText(TokenCursor& in, ControlTemplate& control) {
    if (in.Peek().kind == TokenKind::String) return in.ReadString(control.text, "the text");
    return in.ReadInt(control.textResource, "the control's text or picture ID", kPictureId);
}

// The optional ", style [, extended style]" that closes a control statement.
bool ReadOptionalStyles(TokenCursor& in, ControlTemplate& control) {
    if (!in.AcceptPunct(',')) return true;
    if (!in.ReadStyle(control.style, control.style, "a style")) return false;
    return !in.AcceptPunct(',') || in.ReadStyle(0, control.exStyle, "an extended style");
}

// LTEXT, EDITTEXT, PUSHBUTTON, DEFPUSHBUTTON, COMBOBOX, AUTOCHECKBOX: [text,] id, x, y, width,
// height [, style [, extended style]].
// ICON: text, id, x, y [, width, height [, style [, extended style]]].
bool ParseFixedClassControl(TokenCursor& in, const ControlKind& kind, ControlTemplate& control) {
    control.className = kind.className;
    control.style = kWsChild | kWsVisible | kind.defaultStyle;
    if (kind.hasText && !(ReadControlText(in, control) && in.ExpectPunct(','))) return false;
    if (!in.ReadInt(control.id, "the control ID", kControlId) || !in.ExpectPunct(',')) return false;
    if (!kind.sizeOptional) return ReadRect(in, control.rect) && ReadOptionalStyles(in, control);

    if (!(in.ReadInt(control.rect.x, "the x coordinate", kDialogUnits) && in.ExpectPunct(',') &&
          in.ReadInt(control.rect.y, "the y coordinate", kDialogUnits)))
        return false;
    if (!in.AcceptPunct(',')) return true;
    return in.ReadInt(control.rect.width, "the width", kDialogUnits) && in.ExpectPunct(',') &&
           in.ReadInt(control.rect.height, "the height", kDialogUnits) && ReadOptionalStyles(in, control);
}

// CONTROL text, id, "class", style, x, y, width, height [, extended style].
bool ParseGenericControl(TokenCursor& in, ControlTemplate& control) {
    if (!(ReadControlText(in, control) && in.ExpectPunct(',') &&
          in.ReadInt(control.id, "the control ID", kControlId) && in.ExpectPunct(',') &&
          in.ReadString(control.className, "the quoted window class name") &&
          in.ExpectPunct(',') &&
          in.ReadStyle(kWsChild | kWsVisible, control.style, "a style") && in.ExpectPunct(',') &&
          ReadRect(in, control.rect)))
        return false;
    return !in.AcceptPunct(',') || in.ReadStyle(0, control.exStyle, "an extended style");
}

bool ParseControl(TokenCursor& in, DialogTemplate& dialog) {
    ControlTemplate control;
    bool ok = false;
    if (in.AcceptKeyword("CONTROL")) {
        ok = ParseGenericControl(in, control);
    } else {
        auto kind = std::ranges::find_if(kControlKinds, [&](const ControlKind& candidate) {
            return in.AtKeyword(candidate.keyword);
        });
        if (kind == kControlKinds.end())
            return in.FailExpected(
                "a control (LTEXT, EDITTEXT, PUSHBUTTON, DEFPUSHBUTTON, ICON, COMBOBOX, AUTOCHECKBOX, CONTROL) "
                "or END");
        in.Next();
        ok = ParseFixedClassControl(in, *kind, control);
    }
    if (ok) dialog.controls.push_back(std::move(control));
    return ok;
}

// FONT size, "face" and, in an extended dialog, [, weight [, italic [, charset]]].
bool ParseFont(TokenCursor& in, bool extended, FontDescription& font) {
    font.charset = kDefaultCharset;
    if (!(in.ReadInt(font.pointSize, "the font's point size", kPointSize) && in.ExpectPunct(',') &&
          in.ReadString(font.face, "the quoted font face")))
        return false;
    if (!extended || !in.AcceptPunct(',')) return true;
    if (!in.ReadInt(font.weight, "the font weight", kFontWeight)) return false;
    if (!in.AcceptPunct(',')) return true;
    int italic = 0;
    if (!in.ReadInt(italic, "the italic flag", kItalicFlag)) return false;
    font.italic = italic != 0;
    return !in.AcceptPunct(',') || in.ReadInt(font.charset, "the character set", kCharacterSet);
}

}  // namespace

bool ParseDialog(TokenCursor& in, DialogTemplate& dialog) {
    if (!ReadRect(in, dialog.rect)) return false;
    std::uint32_t style = kWsPopup | kWsBorder | kWsSysMenu;
    bool hasFont = false;
    while (!in.AtKeyword("BEGIN") && !in.AtPunct('{')) {
        bool ok;
        if (in.AcceptKeyword("STYLE")) {
            ok = in.ReadStyle(0, style, "a style");
        } else if (in.AcceptKeyword("EXSTYLE")) {
            ok = in.ReadStyle(0, dialog.exStyle, "an extended style");
        } else if (in.AcceptKeyword("CAPTION")) {
            ok = in.ReadString(dialog.caption, "the quoted caption");
        } else if (in.AcceptKeyword("FONT")) {
            ok = ParseFont(in, dialog.extended, dialog.font);
            hasFont = true;
        } else {
            return in.FailExpected("STYLE, EXSTYLE, CAPTION, FONT or BEGIN");
        }
        if (!ok) return false;
    }
    dialog.style = style | (hasFont ? kDsSetFont : 0);

    Token begin;
    if (!ExpectBlockStart(in, begin)) return false;
    while (!AcceptBlockEnd(in, begin) && !in.error())
        if (!ParseControl(in, dialog)) return false;
    return !in.error();
}

}  // namespace resource::detail
