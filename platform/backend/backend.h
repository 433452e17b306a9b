#pragma once

// The one interface a backend implements (platform/qt/ over Qt Widgets, platform/win32/ over the
// Win32 API). The framework's classes (platform/framework/) do everything else through these
// functions; only a backend knows what a window, icon, menu or paint handle stands for. A new
// service is a new function here that each backend defines.

#include "afx_list_row_span.h"
#include "afx_types.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ListRows;

namespace backend {

// ---- The toolkit

// The toolkit while it runs; destroying it shuts the toolkit down.
class Toolkit {
public:
    virtual ~Toolkit() = default;
};

// Starts the toolkit the way the program runs: Spanish texts and locale for its own dialogs,
// no command line. programName names the process (argv[0]) and is copied.
std::unique_ptr<Toolkit> StartToolkit(const char* programName);

// True when a top-level window of the program is shown.
bool AnyWindowShown();

// Runs the message loop until the last shown window has closed.
void RunMessageLoop();

// Shows a message box (MB_ style) owned by the active window and returns the button chosen:
// IDOK, IDCANCEL, IDYES or IDNO.
int ShowMessageBox(const std::string& text, const std::string& caption, UINT type);

// Replaces the clipboard's contents with text (UTF-8), as plain text, owner the window that
// puts it there. The text is taken over: a backend may keep it as it is until the clipboard
// next changes, so that a copy of millions of rows costs no second copy of the text (Win32:
// OpenClipboard(owner), EmptyClipboard, SetClipboardData(CF_UNICODETEXT), CloseClipboard).
// False when the clipboard cannot be opened or memory runs out.
bool SetClipboardText(HWND owner, std::string text);

// ---- The save-file dialog

// One entry of the file-type list: its description as the user reads it, which may end with
// the pattern in parentheses, and the pattern ("*.tsv").
struct FileFilter {
    std::string description;
    std::string pattern;
    bool operator==(const FileFilter&) const = default;
};

struct SaveFileRequest {
    std::vector<FileFilter> filters;
    int filterIndex = 1;            // the filter chosen at first, from 1
    std::string defaultExtension;   // without the dot; for a filter whose pattern has none
    std::string fileName;           // the name proposed, or empty
    bool confirmOverwrite = true;   // ask before an existing file is replaced
};

// The user's choice: the file (UTF-8 path) and the filter chosen last, from 1. A name with no
// UTF-8 form (a lone UTF-16 surrogate) is not replaced by another: nameIsText is false and path
// empty.
struct SaveFileChoice {
    std::string path;
    int filterIndex = 1;
    bool nameIsText = true;
};

// Shows the system's save-file dialog, modal to owner, in Spanish, and waits for the user. A
// name typed without an extension gets the chosen filter's ("*.csv": "csv"), or
// defaultExtension; an existing file is replaced only after the user has said so when
// confirmOverwrite is set. nullopt when the user cancels (Win32: GetSaveFileNameW with
// OFN_OVERWRITEPROMPT and lpstrDefExt, which then takes the chosen filter's extension).
std::optional<SaveFileChoice> AskSaveFileName(HWND owner, const SaveFileRequest& request);

// ---- The open-file dialog

struct OpenFileRequest {
    std::vector<FileFilter> filters;
    int filterIndex = 1;   // the filter chosen at first, from 1
    bool operator==(const OpenFileRequest&) const = default;
};

// The user's choice: an existing file (UTF-8 path) and the filter shown last, from 1. A name
// with no UTF-8 form is not replaced by another: nameIsText is false and path empty.
struct OpenFileChoice {
    std::string path;
    int filterIndex = 1;
    bool nameIsText = true;
};

// Shows the system's open-file dialog, modal to owner, in Spanish, and waits for the user, who
// can choose only a file that exists. nullopt when the user cancels (Win32: GetOpenFileNameW
// with OFN_FILEMUSTEXIST).
std::optional<OpenFileChoice> AskOpenFileName(HWND owner, const OpenFileRequest& request);

// ---- Resources

// String resource id, UTF-8; nullopt, quietly, when there is none.
std::optional<std::string> StringResource(UINT id);

// Icon resource id (its 32 and 16 pixel images), or nullptr after an error naming it. The
// handle is shared and never freed: each call with the same id returns it.
HICON IconResource(UINT id);

// ---- Dialogs

// How a modal run goes on after its window and controls have been made.
enum class DialogStart {
    Abort,               // end at once with -1; the dialog is never shown
    FocusFirstTabStop,   // show it with the focus on the first tab stop (an edit's text selected)
    KeepFocus,           // show it, leaving the focus where initialisation put it
};

// What a modal run calls back into the framework.
class ModalDialogSite {
public:
    // The window and its controls exist and are not yet shown.
    virtual DialogStart Initialize(HWND dialog) = 0;
    // The dialog is shown and its modal loop runs.
    virtual void Shown() = 0;

protected:
    ~ModalDialogSite() = default;
};

// Makes the dialog of template templateId owned by owner (nullptr: none), runs the site's
// Initialize, shows it and runs its modal loop until EndModalDialog. The windows are destroyed
// (window_map::Forget) before it returns the dialog's result; -1, after a fatal error naming it,
// when the template or a picture it needs is missing, or when Initialize aborts.
INT_PTR RunModalDialog(UINT templateId, HWND owner, ModalDialogSite& site);

// Ends dialog's modal loop with result once the current message has been handled.
void EndModalDialog(HWND dialog, int result);

// The control with ID id of dialog, or nullptr.
HWND FindControl(HWND dialog, int id);

// The most characters (UTF-16 code units) an edit holds: what is typed or pasted beyond is cut
// (Win32: EM_SETLIMITTEXT with this when the edit is made; Qt: its default maxLength). A
// toolkit lays out and paints a field's whole text on every repaint, so that a megabyte in one
// field would make the window stall for a large part of every second.
inline constexpr int kEditMaxCharacters = 32767;

// ---- Messages and window state

// Sends message to window through its window procedure: its attached object's message map
// (window_map::Deliver), then DefaultProcessing.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The standard processing of message for window's kind. A dialog: WM_SYSCOMMAND SC_CLOSE sends
// WM_CLOSE, which sends WM_COMMAND IDCANCEL; WM_PAINT paints; WM_SETICON sets an icon and returns
// the previous one; WM_ICONERASEBKGND fills the background. A list view: ListRowsMessage
// (list_rows.h), and WM_CONTEXTMENU is sent on to its dialog.
LRESULT DefaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window's text (UTF-8): an edit's contents, a static's or button's caption, a title, a
// drop-down list's chosen entry. A multi-line edit's lines end in "\n" both ways (Win32: "\r\n"
// in the control). Every change of an edit's text, typed or set, is sent to its dialog as
// WM_COMMAND MAKEWPARAM(id, EN_CHANGE) with lParam the edit.
std::string Text(HWND window);
void SetText(HWND window, std::string_view text);

// Gives the focus to control; selectText also selects all of an edit's text.
void FocusControl(HWND control, bool selectText);

bool IsMinimized(HWND window);

// The client area's width and height in pixels.
RECT ClientRect(HWND window);

// The window's rectangle in screen coordinates, in pixels.
RECT WindowRect(HWND window);

// ---- The system menu

// FALSE: the window's system menu, or nullptr when it has none. TRUE: restores the standard
// system menu and returns nullptr.
HMENU SystemMenu(HWND window, bool revert);

// Appends an entry: MF_SEPARATOR, or MF_STRING (maybe with MF_GRAYED or MF_DISABLED) with id and
// its text, in which '&' marks the mnemonic and "\t" starts the shortcut text.
bool AppendMenuEntry(HMENU menu, UINT flags, UINT_PTR id, std::string_view text);

UINT MenuEntryCount(HMENU menu);

// ---- Menus from the resources, shown as popups

// The menu of resource id as a new menu that the caller destroys with DestroyMenuHandle, its
// popups included; nullptr after an error naming it when the resources have none.
HMENU LoadMenuResource(UINT id);
void DestroyMenuHandle(HMENU menu);

// The popup of menu's entry at position (from 0), which belongs to menu; nullptr when that entry
// is no popup.
HMENU SubMenuAt(HMENU menu, int position);

// Sets the state (MF_ENABLED, MF_GRAYED or MF_DISABLED) of an entry: with MF_BYCOMMAND the
// first with command id, in menu or any popup under it; with MF_BYPOSITION the entry at
// position id of menu. Returns the entry's previous state, or (UINT)-1 when there is none.
UINT SetMenuEntryState(HMENU menu, UINT id, UINT flags);

// Shows menu as a popup at the screen position x, y (TPM_ flags) and returns: at once, or once
// the popup has closed (Win32: TrackPopupMenu). The entry the user chooses reaches owner later,
// as WM_COMMAND MAKEWPARAM(command, 0) with lParam 0, delivered from the event loop after the
// popup has closed. False when the menu cannot be shown.
bool ShowPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner);

// ---- Painting

// The paint context of window while it handles WM_PAINT; nullptr outside WM_PAINT.
HDC BeginPainting(HWND window);
void EndPainting(HWND window, HDC context);

// Draws the icon's 32 pixel image with its top-left corner at x, y; false when it cannot.
bool DrawIconAt(HDC context, int x, int y, HICON icon);

// The drawing of CDC (afx_gdi.h), on any paint context: WM_PAINT's, WM_DRAWITEM's or an
// image's. Coordinates are whole pixels as CDC states them; colours are COLORREF. Edges may be
// antialiased; the geometry must be as stated, so that every backend draws the same picture.

// Fills pixels rect.left ... rect.right - 1, rect.top ... rect.bottom - 1 (Win32: FillRect with
// a solid brush).
void FillRectangle(HDC context, const RECT& rect, COLORREF color);

// A solid pen of width pixels (at least 1), with round joins and ends (Win32: CreatePen(PS_SOLID,
// width, color), whose geometric pens are round).
struct Pen {
    COLORREF color = 0;
    int width = 1;
};

// Joins count >= 2 points with pen; a one-pixel pen through (x, y) covers pixel (x, y)
// (Win32: Polyline).
void DrawPolyline(HDC context, const POINT* points, int count, const Pen& pen);

// The ellipse inscribed in bounds (right and bottom edges excluded) filled with fill, and
// outlined with outline when there is one (Win32: Ellipse with a solid brush and the pen; with
// no outline a PS_NULL pen and bounds one pixel wider and taller, as GDI then leaves out the
// right and bottom edges).
void DrawEllipse(HDC context, const RECT& bounds, const std::optional<Pen>& outline, COLORREF fill);

// One line of text (UTF-8) in font and color, with only its glyphs drawn. (x, y) is where the
// text's alignment point lies: align is one of TA_LEFT, TA_CENTER, TA_RIGHT (the text's start,
// middle or end) with one of TA_TOP, TA_BASELINE, TA_BOTTOM. The font's face comes from
// lfFaceName, or when that is empty from the family in lfPitchAndFamily (FF_SWISS: the system's
// sans-serif face); lfHeight < 0 is the em height in pixels, > 0 the cell height, 0 a 12-pixel
// em; lfWeight and lfItalic are honoured (Win32: CreateFontIndirectW, SetTextAlign,
// SetTextColor, SetBkMode(TRANSPARENT), TextOutW).
void DrawTextAt(HDC context, int x, int y, std::string_view text, const LOGFONT& font,
                COLORREF color, UINT align);

// ---- Images in memory

// A white image of width x height pixels, 1 ... 16384 each, 8 bits per channel without alpha;
// nullptr when memory runs out (Win32: a 24-bit top-down DIB section, CreateDIBSection).
HBITMAP CreateImage(int width, int height);
void DestroyImage(HBITMAP image);

// A paint context drawing on image until EndImagePainting (Win32: CreateCompatibleDC(nullptr)
// with the image selected into it; DeleteDC).
HDC BeginImagePainting(HBITMAP image);
void EndImagePainting(HBITMAP image, HDC context);

// The colour of pixel x, y of image, both within its size; drawing through an open paint
// context shows here at once (Win32: the DIB section's bits after GdiFlush).
COLORREF ImagePixel(HBITMAP image, int x, int y);

// The image as the bytes of a PNG file of its size, 8-bit RGB; nullopt when it cannot be
// encoded. Not while a paint context is open on it (Win32: WIC's PNG encoder over a stream on
// memory, CreateStreamOnHGlobal).
std::optional<std::string> EncodePng(HBITMAP image);

// ---- Keyboard shortcuts

// While dialog runs, each key of accelerator table id (res/zelmara.rc: ACCELERATORS, VIRTKEY
// entries) pressed with exactly its modifiers, whichever of dialog's controls has the focus, is
// sent to dialog as WM_COMMAND MAKEWPARAM(command, 1) with lParam 0, and goes no further. False,
// after an error naming it, when the resources have no such table. (Win32: LoadAcceleratorsW,
// and TranslateAcceleratorW on the dialog's messages from a WH_MSGFILTER hook, MSGF_DIALOGBOX.)
bool UseAcceleratorTable(HWND dialog, UINT id);

// ---- List views

// The rows behind list, or nullptr when list is not a list view.
ListRows* ListRowsOf(HWND list);

// Inserts a column at position column (clamped): heading, LVCFMT_ alignment, width in pixels
// (-1: the heading's width). Returns its index, or -1 when list is not a list view.
int InsertListColumn(HWND list, int column, std::string_view heading, int format, int widthPixels);

// A list view takes several rows selected (the user's clicks, Shift and Ctrl), keeps them shown
// selected without the focus, and gives the program its keys and right-clicks as a list view
// does on Windows: each key pressed while it has the focus (letters, digits, arrows, Home, End,
// Page Up, Page Down, Insert, Delete, Space) is sent to the dialog as WM_NOTIFY LVN_KEYDOWN
// (NMLVKEYDOWN, the control's ID in idFrom) before the list moves its cursor, and Ctrl+A and
// Ctrl+C do nothing more; a right-click, the menu key or Shift+F10 send the list WM_CONTEXTMENU
// (wParam the list, lParam the screen position, -1, -1 from the keyboard), whose standard
// processing sends it on to the dialog. A double click with the left button sends the dialog
// WM_NOTIFY NM_DBLCLK (NMITEMACTIVATE: iItem the row under the mouse or -1, the control's ID in
// idFrom) once the first click has selected that row.

// The selected rows of list, as its view shows them, in spans of consecutive rows, top first,
// neither overlapping nor touching; empty when none is selected or list is not a list view
// (Win32: LVM_GETNEXTITEM with LVNI_SELECTED; one span at once when LVM_GETSELECTEDCOUNT equals
// the row count, so that a copy after Ctrl+A never walks 1.8 million rows one by one).
std::vector<ListRowSpan> SelectedListRows(HWND list);

// Selects every row of list (Win32: LVM_SETITEMSTATE with item -1).
void SelectAllListRows(HWND list);

// ---- Drop-down lists

// A template's COMBOBOX with CBS_DROPDOWNLIST: a list of texts of which the user chooses one.
// Each choice the user makes (mouse or keyboard) is sent to its dialog as WM_COMMAND
// MAKEWPARAM(id, CBN_SELCHANGE) with lParam the list; the functions below notify nothing.
// (Win32: the native combo box; CB_ADDSTRING, CB_GETCOUNT, CB_GETLBTEXT, CB_GETCURSEL,
// CB_SETCURSEL.)

// Appends text as the last entry; its index, or CB_ERR when combo is no drop-down list.
int AddComboBoxEntry(HWND combo, std::string_view text);
// The number of entries; 0 when combo is no drop-down list.
int ComboBoxEntryCount(HWND combo);
// The text of entry index, or nullopt when there is none.
std::optional<std::string> ComboBoxEntry(HWND combo, int index);
// The index of the chosen entry, or CB_ERR when none is chosen.
int ComboBoxSelection(HWND combo);
// Chooses entry index, or none for -1; false, changing nothing, when there is no such entry.
bool SelectComboBoxEntry(HWND combo, int index);
// ---- Check boxes

// A template's BS_AUTOCHECKBOX button is a check box: a click toggles it, then sends its dialog
// WM_COMMAND BN_CLICKED as a push button does (Win32: the system's own button).

// Whether check box button is checked; false for a window that is no check box (Win32:
// BM_GETCHECK is BST_CHECKED).
bool IsButtonChecked(HWND button);
// Checks or unchecks check box button without sending BN_CLICKED (Win32: BM_SETCHECK).
void SetButtonChecked(HWND button, bool checked);

// ---- Enabled windows

// A disabled control is shown greyed and takes neither focus nor input (Win32: EnableWindow).
void EnableControl(HWND control, bool enable);
bool IsControlEnabled(HWND control);

// Asks for window to be painted again, whole, when the event loop is next idle (Win32:
// InvalidateRect with no rectangle).
void InvalidateWindow(HWND window);

}  // namespace backend
