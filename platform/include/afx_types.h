#pragma once

// The framework's basic types, handles and constants: one set of names for the program's code
// on every system. On Windows they are the system's own, from <windows.h> and <commctrl.h>.
// Elsewhere the layer defines them here with the same names and the standard Windows values,
// and handles are opaque: what they point to belongs to the backend. Text is UTF-8 on every
// system (LPCTSTR is const char*): on Windows the layer is built without UNICODE, so the
// system's names are its ANSI ones, and the backend calls the wide API itself.

#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>

#include <type_traits>

static_assert(std::is_same_v<LPCTSTR, const char*>,
              "the layer's text is UTF-8: build without UNICODE and _UNICODE");

// The framework's help command, which <windows.h> does not define.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

#else  // not _WIN32

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using SHORT = std::int16_t;
using UINT = unsigned int;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using LPCTSTR = const char*;   // UTF-8 text
using LPTSTR = char*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

struct HWND__;   // a window made by the layer
struct HICON__;  // an icon: its 32 and 16 pixel images
struct HDC__;    // a paint context
struct HMENU__;  // a menu's entries
struct HBITMAP__;  // an image in memory
using HWND = HWND__*;
using HICON = HICON__*;
using HCURSOR = HICON;
using HDC = HDC__*;
using HMENU = HMENU__*;
using HBITMAP = HBITMAP__*;

constexpr WORD LOWORD(UINT_PTR value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(UINT_PTR value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(UINT low, UINT high)
{
    return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr LPARAM MAKELPARAM(UINT low, UINT high)
{
    return static_cast<LPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}

// Dialog results and standard command IDs.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr UINT ID_HELP = 0xE146;

// Window messages.
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_HELP = 0x0053;
inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_CONTEXTMENU = 0x007B;

// Notification codes and system commands.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT EN_CHANGE = 0x0300;
inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr int CB_ERR = -1;
inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT SC_RESTORE = 0xF120;

// WM_SETICON's kinds.
inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// GetSystemMetrics indexes.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;

// Menu entry flags, and how TrackPopupMenu places a popup.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;

// Virtual-key codes: these, and '0' ... '9' and 'A' ... 'Z' for their keys.
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;   // Alt
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;

// Message-box styles.
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_OKCANCEL = 0x01;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;

// List view.
inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVCFMT_RIGHT = 1;
inline constexpr int LVCFMT_CENTER = 2;
inline constexpr UINT LVM_GETITEMCOUNT = 0x1004;
inline constexpr UINT LVM_DELETEALLITEMS = 0x1009;
inline constexpr UINT LVN_FIRST = 0U - 100U;
inline constexpr UINT LVN_KEYDOWN = LVN_FIRST - 55;
inline constexpr UINT NM_FIRST = 0U;
inline constexpr UINT NM_DBLCLK = NM_FIRST - 3;

struct RECT {
    LONG left = 0, top = 0, right = 0, bottom = 0;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct POINT {
    LONG x = 0, y = 0;
};

// Colours: 0x00bbggrr.
using COLORREF = DWORD;
constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue)
{
    return static_cast<COLORREF>(red | (green << 8) | (blue << 16));
}
constexpr BYTE GetRValue(COLORREF color) { return static_cast<BYTE>(color & 0xFF); }
constexpr BYTE GetGValue(COLORREF color) { return static_cast<BYTE>((color >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF color) { return static_cast<BYTE>((color >> 16) & 0xFF); }

// Pen styles, and where TextOut's point lies on the text: a horizontal and a vertical choice.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_NULL = 5;
inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_BOTTOM = 8;
inline constexpr UINT TA_BASELINE = 24;

// A font's description.
inline constexpr int LF_FACESIZE = 32;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE VARIABLE_PITCH = 2;
inline constexpr BYTE FF_ROMAN = 0x10;
inline constexpr BYTE FF_SWISS = 0x20;
inline constexpr BYTE FF_MODERN = 0x30;
struct LOGFONT {
    LONG lfHeight = 0;   // < 0: the em height in pixels; > 0: the cell height; 0: a default size
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;   // FW_NORMAL, FW_BOLD; 0 for normal
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;   // FF_ family, which chooses a face when lfFaceName is empty
    char lfFaceName[LF_FACESIZE] = {};   // UTF-8
};

// WM_DRAWITEM: an owner-drawn control (SS_OWNERDRAW static) asks its dialog to draw it.
inline constexpr UINT ODT_STATIC = 5;
inline constexpr UINT ODA_DRAWENTIRE = 1;
struct DRAWITEMSTRUCT {
    UINT CtlType = 0;      // ODT_STATIC
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;   // ODA_DRAWENTIRE
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;     // open on the control while the message is handled
    RECT rcItem;           // the control's client area
    UINT_PTR itemData = 0;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

// The header of every WM_NOTIFY: the control that sends it, its ID and the notification code.
struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// LVN_KEYDOWN: a key pressed while the list view has the focus.
struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;   // the virtual-key code
    UINT flags = 0;
};

// NM_DBLCLK from a list view: a double click with the left button, on row iItem (-1: below the
// rows), at ptAction in the list's client coordinates.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;
// A check box's states.
inline constexpr UINT BST_UNCHECKED = 0;
inline constexpr UINT BST_CHECKED = 1;

#endif  // _WIN32

// Marks a message handler in a class declaration; it has no effect.
#define afx_msg

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
};
