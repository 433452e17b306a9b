#pragma once

// The test driver: what tests and benches use to run the program's dialogs as a user does, on
// any backend (library zelmara_platform_testing; never for ui/ or app/). A test queues a driver
// with WhenNextDialogShown (or calls RunDriven); the driver runs inside the dialog's modal loop
// once it is shown, acts with the functions below, ends the dialog, or queues a driver for a
// dialog it opens in turn. A dialog its driver leaves open is ended with kDriverLeftDialogOpen
// and counted, so that a test never hangs and its fixture can fail.
//
// Dialogs are named by their window object, controls by their ID in the dialog's template.
// Every reading first lets the toolkit handle what is pending, as the user's eyes would.

#include "afxwin.h"
#include "backend/backend.h"
#include "framework/hooks.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace test_driver {

// A driver function that cannot do what it was asked (a control the dialog lacks, say) reports
// it here: to the handler when one is set (a test fixture makes it a failure), else on stderr
// before aborting the program.
void SetFailureHandler(std::function<void(const std::string& what)> handler);
void ReportFailure(const std::string& what);

// Starts the toolkit as AfxWinMain does, without calling InitInstance; with no display, as
// tests need none. Keep the result alive for the whole test program.
std::unique_ptr<backend::Toolkit> StartApplication(const char* programName);

// ---- Message boxes

// One message box shown through AfxMessageBox.
struct MessageBoxCall {
    std::string text;
    std::string caption;
    UINT type = 0;
};

// While alive, every message box is recorded instead of shown and answered with answer.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
    ~MessageBoxRecorder();

    const std::vector<MessageBoxCall>& Calls() const { return m_calls; }

private:
    std::vector<MessageBoxCall> m_calls;
};

// ---- Save-file dialogs

// While alive, every save-file dialog is recorded instead of shown and answered as if the user
// had chosen path (UTF-8, as the dialog returns it: with its extension) with filter filterIndex
// (from 1), or, when path is nullopt, had pressed Cancel; or answered with choice as it stands
// (a name that is not text).
class SaveFileDialogRecorder {
public:
    explicit SaveFileDialogRecorder(std::optional<std::string> path, int filterIndex = 1);
    explicit SaveFileDialogRecorder(backend::SaveFileChoice choice);
    SaveFileDialogRecorder(const SaveFileDialogRecorder&) = delete;
    SaveFileDialogRecorder& operator=(const SaveFileDialogRecorder&) = delete;
    ~SaveFileDialogRecorder();

    const std::vector<backend::SaveFileRequest>& Requests() const { return m_requests; }

private:
    std::vector<backend::SaveFileRequest> m_requests;
};

// ---- Open-file dialogs

// While alive, every open-file dialog is recorded instead of shown and answered as if the user
// had chosen path (UTF-8) with filter filterIndex (from 1), or, for nullopt, had pressed Cancel.
class OpenFileDialogRecorder {
public:
    explicit OpenFileDialogRecorder(std::optional<std::string> path, int filterIndex = 1);
    OpenFileDialogRecorder(const OpenFileDialogRecorder&) = delete;
    OpenFileDialogRecorder& operator=(const OpenFileDialogRecorder&) = delete;
    ~OpenFileDialogRecorder();

    const std::vector<backend::OpenFileRequest>& Requests() const { return m_requests; }

private:
    std::vector<backend::OpenFileRequest> m_requests;
};

// ---- Modal runs

using platform_hooks::kDriverLeftDialogOpen;

void WhenNextDialogShown(std::function<void(CDialog& dialog)> driver);
// Queues driver for dlg and runs it modally: DoModal's result.
INT_PTR RunDriven(CDialog& dlg, std::function<void(CDialog& dialog)> driver);
// The drivers queued and not yet taken by a dialog; ClearDialogDrivers drops them.
int PendingDialogDrivers();
void ClearDialogDrivers();
// The dialogs drivers have left open since the last call, which resets the count.
int TakeDialogsLeftOpen();

// ---- Acting as a user

enum class Key { Enter, Escape, Tab, F1 };

// Replaces an edit's text as a user does: selects all of it, then types text (or deletes it).
void Type(const CWnd& dialog, int id, std::string_view text);
// Presses key with the focus in control id.
void PressKey(const CWnd& dialog, int id, Key key);
// Presses Ctrl, Shift and letter ('A' ... 'Z') together with the focus in control id.
void PressCtrlShiftKey(const CWnd& dialog, int id, char letter);
// Presses Ctrl and letter ('A' ... 'Z') together with the focus in control id.
void PressCtrlKey(const CWnd& dialog, int id, char letter);
// Replaces an edit's text as a user pasting it does: text goes to the clipboard, then Ctrl+V
// in the edit with all of its text selected.
void Paste(const CWnd& dialog, int id, std::string_view text);
// Clicks push button or check box id with the mouse (a check box on its box, which toggles it).
void Click(const CWnd& dialog, int id);
// Clicks the dialog's close box.
void CloseBox(const CWnd& dialog);
// Minimises the window.
void Minimize(const CWnd& window);
// Chooses the system-menu entry with command id as its popup does: WM_SYSCOMMAND once the
// menu has closed. False when the menu has no enabled entry with that id.
bool ChooseSystemMenuEntry(const CWnd& dialog, UINT id);
// Clicks row of list view id (scrolled into view first) with the mouse: alone it selects that
// row only; with Ctrl it adds or removes it; with Shift it selects from the last row clicked.
enum class Modifier { None, Ctrl, Shift };
void ClickListRow(const CWnd& dialog, int id, int row, Modifier modifier = Modifier::None);
// Double-clicks row of list view id (scrolled into view first) with the left button.
void DoubleClickListRow(const CWnd& dialog, int id, int row);

// A menu's entries as its popup shows them.
struct MenuEntry {
    std::string text;   // with its '&' and "\t" shortcut text
    UINT id = 0;        // 0 for a separator or a popup
    bool separator = false;
    bool enabled = true;
    bool operator==(const MenuEntry&) const = default;
};

// Opens control id's context menu as Shift+F10 does with the focus in it, and returns the
// entries of the popup that opens (empty when none does), which is then closed unchosen.
std::vector<MenuEntry> ContextMenuEntries(const CWnd& dialog, int id);
// Opens control id's context menu as Shift+F10 does and chooses the entry with command as the
// user does; returns once the command has been handled. False, with the popup closed and
// nothing sent, when it has no enabled entry with that command (or no popup opened).
bool ChooseContextMenuEntry(const CWnd& dialog, int id, UINT command);

// Lets the toolkit handle what is pending (posted messages, batched list updates).
void LetEventsRun();
// Paints now what the window has still to paint, as the window system does when idle.
void PaintNow(const CWnd& window);
// Writes a picture of the window as it is on the screen now into fileBase plus the toolkit's
// picture format (".png" with Qt, ".bmp" on Windows); returns the file's name, "" on failure.
std::string SavePicture(const CWnd& window, const std::string& fileBase);

// ---- Reading what the user sees

std::string Title(const CWnd& window);
bool IsShown(const CWnd& window);
// The text of control id: an edit's contents, a static's or button's caption.
std::string ControlText(const CWnd& dialog, int id);
// Whether check box id is checked.
bool IsChecked(const CWnd& dialog, int id);
// Whether control id is enabled.
bool IsEnabled(const CWnd& dialog, int id);
// The selected part of edit id's text (a multi-line edit's lines ended by "\n").
std::string SelectedText(const CWnd& dialog, int id);
// The ID of the dialog's control that has the keyboard focus; 0 when none has.
int FocusedControl(const CWnd& dialog);
// The texts of the dialog's static texts (not pictures), in template order.
std::vector<std::string> StaticTexts(const CWnd& dialog);
// Those of them that do not show whole in their control: wider than it on one line, or wrapped
// into more lines than its height holds.
std::vector<std::string> ClippedStaticTexts(const CWnd& dialog);

// The text on the clipboard (UTF-8); empty when it holds none.
std::string ClipboardText();

// The selected rows of list view id, top first.
std::vector<int> SelectedListRows(const CWnd& dialog, int id);

// The rows of list view id as its view shows them, top first, every column's text; its column
// headings, and their widths in pixels.
std::vector<std::vector<std::string>> ShownListRows(const CWnd& dialog, int id);
int ShownListRowCount(const CWnd& dialog, int id);
std::vector<std::string> ListHeadings(const CWnd& dialog, int id);
std::vector<int> ListColumnWidths(const CWnd& dialog, int id);

// The system menu as its popup shows it.
using SystemMenuEntry = MenuEntry;
std::vector<SystemMenuEntry> SystemMenuEntries(const CWnd& dialog);

// ---- Drop-down lists

// Chooses entry index of drop-down list id as a user does with the keyboard: the focus in it,
// Up or Down pressed until that entry is chosen, each change reaching the dialog as
// CBN_SELCHANGE. Nothing is pressed when it is chosen already.
void ChooseComboBoxEntry(const CWnd& dialog, int id, int index);
// The entries of drop-down list id as its popup shows them, and the chosen one's index (-1:
// none).
std::vector<std::string> ComboBoxEntries(const CWnd& dialog, int id);
int ComboBoxSelection(const CWnd& dialog, int id);

// The program's top-level windows that exist now, shown or not (after windows that are
// going have gone), each described in a few words.
std::vector<std::string> TopLevelWindows();
// How many of them are shown.
int ShownTopLevelWindows();

}  // namespace test_driver
