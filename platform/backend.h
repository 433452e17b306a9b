#pragma once

// The one interface a backend implements (platform/qt/ over Qt Widgets, platform/win32/ over the
// Win32 API). The framework's classes (platform/*.cpp) do everything else through these
// functions; only a backend knows what a window, icon, menu or paint handle stands for. A new
// service is a new function here that each backend defines.

#include "afxwin.h"

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

// ---- Messages and window state

// Sends message to window through its window procedure: its attached object's message map
// (window_map::Deliver), then DefaultProcessing.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The standard processing of message for window's kind. A dialog: WM_SYSCOMMAND SC_CLOSE sends
// WM_CLOSE, which sends WM_COMMAND IDCANCEL; WM_PAINT paints; WM_SETICON sets an icon and returns
// the previous one; WM_ICONERASEBKGND fills the background. A list view: see list_messages.h.
LRESULT DefaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window's text (UTF-8): an edit's contents, a static's or button's caption, a title.
std::string Text(HWND window);
void SetText(HWND window, std::string_view text);

// Gives the focus to control; selectText also selects all of an edit's text.
void FocusControl(HWND control, bool selectText);

bool IsMinimized(HWND window);

// The client area's width and height in pixels.
RECT ClientRect(HWND window);

// ---- The system menu

// FALSE: the window's system menu, or nullptr when it has none. TRUE: restores the standard
// system menu and returns nullptr.
HMENU SystemMenu(HWND window, bool revert);

// Appends an entry: MF_SEPARATOR, or MF_STRING (maybe with MF_GRAYED or MF_DISABLED) with id and
// its text, in which '&' marks the mnemonic and "\t" starts the shortcut text.
bool AppendMenuEntry(HMENU menu, UINT flags, UINT_PTR id, std::string_view text);

UINT MenuEntryCount(HMENU menu);

// ---- Painting

// The paint context of window while it handles WM_PAINT; nullptr outside WM_PAINT.
HDC BeginPainting(HWND window);
void EndPainting(HWND window, HDC context);

// Draws the icon's 32 pixel image with its top-left corner at x, y; false when it cannot.
bool DrawIconAt(HDC context, int x, int y, HICON icon);

// ---- List views

// The rows behind list, or nullptr when list is not a list view.
ListRows* ListRowsOf(HWND list);

// Inserts a column at position column (clamped): heading, LVCFMT_ alignment, width in pixels
// (-1: the heading's width). Returns its index, or -1 when list is not a list view.
int InsertListColumn(HWND list, int column, std::string_view heading, int format, int widthPixels);

}  // namespace backend
