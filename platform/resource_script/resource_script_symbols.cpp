#include "resource_script_symbols.h"

#include "text/ascii_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace resource::detail {
namespace {

constexpr std::pair<std::string_view, std::int64_t> kPlatformSymbols[] = {
    // Window styles.
    {"WS_OVERLAPPED", 0x00000000}, {"WS_POPUP", 0x80000000}, {"WS_CHILD", 0x40000000},
    {"WS_MINIMIZE", 0x20000000}, {"WS_VISIBLE", 0x10000000}, {"WS_DISABLED", 0x08000000},
    {"WS_CLIPSIBLINGS", 0x04000000}, {"WS_CLIPCHILDREN", 0x02000000},
    {"WS_MAXIMIZE", 0x01000000}, {"WS_CAPTION", 0x00C00000}, {"WS_BORDER", 0x00800000},
    {"WS_DLGFRAME", 0x00400000}, {"WS_VSCROLL", 0x00200000}, {"WS_HSCROLL", 0x00100000},
    {"WS_SYSMENU", 0x00080000}, {"WS_THICKFRAME", 0x00040000}, {"WS_GROUP", 0x00020000},
    {"WS_TABSTOP", 0x00010000}, {"WS_MINIMIZEBOX", 0x00020000},
    {"WS_MAXIMIZEBOX", 0x00010000},
    // Extended window styles.
    {"WS_EX_DLGMODALFRAME", 0x00000001}, {"WS_EX_NOPARENTNOTIFY", 0x00000004},
    {"WS_EX_TOPMOST", 0x00000008}, {"WS_EX_ACCEPTFILES", 0x00000010},
    {"WS_EX_TRANSPARENT", 0x00000020}, {"WS_EX_TOOLWINDOW", 0x00000080},
    {"WS_EX_WINDOWEDGE", 0x00000100}, {"WS_EX_CLIENTEDGE", 0x00000200},
    {"WS_EX_CONTEXTHELP", 0x00000400}, {"WS_EX_STATICEDGE", 0x00020000},
    {"WS_EX_APPWINDOW", 0x00040000},
    // Dialog styles.
    {"DS_ABSALIGN", 0x0001}, {"DS_SYSMODAL", 0x0002}, {"DS_3DLOOK", 0x0004},
    {"DS_FIXEDSYS", 0x0008}, {"DS_NOFAILCREATE", 0x0010}, {"DS_LOCALEDIT", 0x0020},
    {"DS_SETFONT", 0x0040}, {"DS_MODALFRAME", 0x0080}, {"DS_NOIDLEMSG", 0x0100},
    {"DS_SETFOREGROUND", 0x0200}, {"DS_CONTROL", 0x0400}, {"DS_CENTER", 0x0800},
    {"DS_CENTERMOUSE", 0x1000}, {"DS_CONTEXTHELP", 0x2000},
    // Static control styles.
    {"SS_LEFT", 0x0000}, {"SS_CENTER", 0x0001}, {"SS_RIGHT", 0x0002}, {"SS_ICON", 0x0003},
    {"SS_SIMPLE", 0x000B}, {"SS_LEFTNOWORDWRAP", 0x000C}, {"SS_OWNERDRAW", 0x000D},
    {"SS_BITMAP", 0x000E},
    {"SS_NOPREFIX", 0x0080}, {"SS_NOTIFY", 0x0100}, {"SS_CENTERIMAGE", 0x0200},
    {"SS_REALSIZEIMAGE", 0x0800}, {"SS_SUNKEN", 0x1000},
    // Edit control styles.
    {"ES_LEFT", 0x0000}, {"ES_CENTER", 0x0001}, {"ES_RIGHT", 0x0002},
    {"ES_MULTILINE", 0x0004}, {"ES_UPPERCASE", 0x0008}, {"ES_LOWERCASE", 0x0010},
    {"ES_PASSWORD", 0x0020}, {"ES_AUTOVSCROLL", 0x0040}, {"ES_AUTOHSCROLL", 0x0080},
    {"ES_NOHIDESEL", 0x0100}, {"ES_READONLY", 0x0800}, {"ES_WANTRETURN", 0x1000},
    {"ES_NUMBER", 0x2000},
    // Button styles.
    {"BS_PUSHBUTTON", 0x0000}, {"BS_DEFPUSHBUTTON", 0x0001}, {"BS_CHECKBOX", 0x0002},
    {"BS_AUTOCHECKBOX", 0x0003}, {"BS_RADIOBUTTON", 0x0004}, {"BS_GROUPBOX", 0x0007},
    {"BS_AUTORADIOBUTTON", 0x0009}, {"BS_MULTILINE", 0x2000}, {"BS_FLAT", 0x8000},
    // Combo-box styles.
    {"CBS_SIMPLE", 0x0001}, {"CBS_DROPDOWN", 0x0002}, {"CBS_DROPDOWNLIST", 0x0003},
    {"CBS_OWNERDRAWFIXED", 0x0010}, {"CBS_AUTOHSCROLL", 0x0040}, {"CBS_SORT", 0x0100},
    {"CBS_HASSTRINGS", 0x0200}, {"CBS_NOINTEGRALHEIGHT", 0x0400}, {"CBS_DISABLENOSCROLL", 0x0800},
    // List-view styles.
    {"LVS_ICON", 0x0000}, {"LVS_REPORT", 0x0001}, {"LVS_SMALLICON", 0x0002},
    {"LVS_LIST", 0x0003}, {"LVS_SINGLESEL", 0x0004}, {"LVS_SHOWSELALWAYS", 0x0008},
    {"LVS_SORTASCENDING", 0x0010}, {"LVS_SORTDESCENDING", 0x0020},
    {"LVS_SHAREIMAGELISTS", 0x0040}, {"LVS_NOLABELWRAP", 0x0080},
    {"LVS_AUTOARRANGE", 0x0100}, {"LVS_EDITLABELS", 0x0200}, {"LVS_NOSCROLL", 0x2000},
    {"LVS_NOCOLUMNHEADER", 0x4000}, {"LVS_NOSORTHEADER", 0x8000},
    // Version block.
    {"VS_VERSION_INFO", 1}, {"VS_FFI_FILEFLAGSMASK", 0x3F}, {"VS_FF_DEBUG", 0x01},
    {"VS_FF_PRERELEASE", 0x02}, {"VS_FF_PATCHED", 0x04}, {"VS_FF_PRIVATEBUILD", 0x08},
    {"VS_FF_INFOINFERRED", 0x10}, {"VS_FF_SPECIALBUILD", 0x20},
    {"VOS_UNKNOWN", 0x00000000}, {"VOS_DOS", 0x00010000}, {"VOS_NT", 0x00040000},
    {"VOS__WINDOWS16", 0x0001}, {"VOS__WINDOWS32", 0x0004},
    {"VOS_DOS_WINDOWS32", 0x00010004}, {"VOS_NT_WINDOWS32", 0x00040004},
    {"VFT_UNKNOWN", 0}, {"VFT_APP", 1}, {"VFT_DLL", 2}, {"VFT_DRV", 3}, {"VFT_FONT", 4},
    {"VFT_STATIC_LIB", 7}, {"VFT2_UNKNOWN", 0},
    // Languages.
    {"LANG_NEUTRAL", 0x00}, {"LANG_ENGLISH", 0x09}, {"LANG_SPANISH", 0x0A},
    {"SUBLANG_NEUTRAL", 0x00}, {"SUBLANG_DEFAULT", 0x01}, {"SUBLANG_ENGLISH_US", 0x01},
    {"SUBLANG_SPANISH", 0x01}, {"SUBLANG_SPANISH_MODERN", 0x03},
    // Character sets and font weights.
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"FW_DONTCARE", 0}, {"FW_NORMAL", 400},
    {"FW_BOLD", 700},
    // Standard control and command IDs.
    {"IDC_STATIC", -1}, {"IDOK", 1}, {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4},
    {"IDIGNORE", 5}, {"IDYES", 6}, {"IDNO", 7}, {"ID_HELP", 0xE146},
};

}  // namespace

bool IsPlatformHeader(std::string_view fileName) {
    constexpr std::array<std::string_view, 4> kHeaders = {"afxres.h", "windows.h", "winres.h",
                                                          "commctrl.h"};
    return std::ranges::any_of(kHeaders, [&](std::string_view header) {
        return ascii_text::EqualsIgnoringCase(header, fileName);
    });
}

std::optional<std::int64_t> PlatformSymbolValue(std::string_view name) {
    for (const auto& [symbol, value] : kPlatformSymbols)
        if (symbol == name) return value;
    return std::nullopt;
}

}  // namespace resource::detail
