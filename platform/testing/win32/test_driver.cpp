// The Win32 half of the test driver: it acts through window messages (EM_REPLACESEL, BM_CLICK,
// WM_SYSCOMMAND, mouse clicks posted to a list view, WM_CONTEXTMENU) and keys sent through the
// system's input queue, handled as the modal dialogs' own loops handle them, and reads through
// the controls' messages (WM_GETTEXT, EM_GETSEL, LVM_GETITEMCOUNT, LVM_GETITEMTEXTW,
// LVM_GETCOLUMNW), GetMenuItemInfoW and the clipboard.

#include "testing/test_driver.h"

#include "win32/text.h"

#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace test_driver {

namespace {

bool IsClass(HWND window, const wchar_t* name)
{
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    return lstrcmpiW(className, name) == 0;
}

HWND Control(const CWnd& dialog, int id, const wchar_t* className = nullptr)
{
    const HWND control = dialog.m_hWnd != nullptr ? GetDlgItem(dialog.m_hWnd, id) : nullptr;
    if (control == nullptr) {
        ReportFailure("no control " + std::to_string(id) + " in the dialog");
        return nullptr;
    }
    if (className != nullptr && !IsClass(control, className)) {
        ReportFailure("control " + std::to_string(id) + " is not a " + win32_text::Utf8(className));
        return nullptr;
    }
    return control;
}

// Handles a message as the modal loops do: a dialog's keys first.
void Handle(const MSG& message)
{
    const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsClass(root, L"#32770") && IsDialogMessageW(root, const_cast<MSG*>(&message))) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// Handles every message waiting.
void Pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Handle(message);
    }
}

UINT VirtualKey(Key key)
{
    switch (key) {
    case Key::Enter: return VK_RETURN;
    case Key::Escape: return VK_ESCAPE;
    case Key::Tab: return VK_TAB;
    case Key::F1: return VK_F1;
    }
    return 0;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> Children(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// Gives control the focus in the window in front, where keys go: a dialog that has just closed
// may have left no window of the program there.
void FocusInFront(HWND control)
{
    const HWND window = GetAncestor(control, GA_ROOT);
    if (GetForegroundWindow() != window) {
        SetForegroundWindow(window);
        Pump();
    }
    SetFocus(control);
}

// Presses virtualKey with modifiers held through the system's input queue, as a
// keyboard sends it, and handles the messages as they come until the key has been released:
// the system makes of F1 the WM_HELP that a posted key message would never bring, and
// GetKeyState tells the key's handler that Ctrl is down. The release may never come when the
// press ended the dialog that had the focus.
void PressThroughQueue(HWND control, WORD virtualKey, std::initializer_list<WORD> modifiers = {})
{
    FocusInFront(control);
    std::vector<INPUT> strokes;
    const auto stroke = [&](WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        strokes.push_back(input);
    };
    for (const WORD modifier : modifiers) stroke(modifier, false);
    stroke(virtualKey, false);
    stroke(virtualKey, true);
    for (const WORD modifier : modifiers) stroke(modifier, true);
    if (SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT)) != strokes.size()) {
        ReportFailure("the key could not be sent");
        return;
    }
    const ULONGLONG start = GetTickCount64();
    bool pressed = false;
    for (bool released = false; !released;) {
        const ULONGLONG waited = GetTickCount64() - start;
        if (!pressed && waited > 5000) {
            ReportFailure("the key never arrived");
            return;
        }
        if (pressed && waited > 500) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message{};
        while (!released && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            const bool isKey = message.wParam == virtualKey;
            pressed = pressed || ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && isKey);
            released = (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) && isKey;
            Handle(message);
        }
    }
    Pump();
}

// The entries of menu as its popup shows them.
std::vector<MenuEntry> EntriesOf(HMENU menu)
{
    std::vector<MenuEntry> entries;
    for (int index = 0; index < GetMenuItemCount(menu); ++index) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 256;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info)) continue;
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        // A separator cannot be chosen, whatever state it reports.
        entries.push_back({separator ? std::string() : win32_text::Utf8(text),
                           separator || info.hSubMenu != nullptr ? 0 : info.wID, separator,
                           separator || (info.fState & MFS_DISABLED) == 0});
    }
    return entries;
}

// The context menu the driver opens: the popup's entries are read once its loop waits for the
// user (WM_ENTERIDLE to the owner), then it is closed, and the entry wanted, if any, is chosen as
// the system does: its command posted to the owner once the popup has closed.
struct ContextMenuWatch {
    HHOOK hook = nullptr;
    HMENU menu = nullptr;
    std::optional<UINT> wanted;
    bool seen = false;
    bool chosen = false;
    std::vector<MenuEntry> entries;
};
ContextMenuWatch* g_watch = nullptr;

LRESULT CALLBACK WatchContextMenu(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_watch != nullptr) {
        if (sent->message == WM_INITMENUPOPUP && g_watch->menu == nullptr) {
            g_watch->menu = reinterpret_cast<HMENU>(sent->wParam);
        } else if (sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU && g_watch->menu != nullptr &&
                   !g_watch->seen) {
            g_watch->seen = true;
            g_watch->entries = EntriesOf(g_watch->menu);
            EndMenu();
            for (const MenuEntry& entry : g_watch->entries) {
                if (g_watch->wanted && !entry.separator && entry.enabled && entry.id == *g_watch->wanted) {
                    PostMessageW(sent->hwnd, WM_COMMAND, MAKEWPARAM(entry.id, 0), 0);
                    g_watch->chosen = true;
                    break;
                }
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A popup the driver could not read is closed after this long, so that a test fails instead of
// waiting for a user.
void CALLBACK CloseForgottenMenu(HWND, UINT, UINT_PTR, DWORD)
{
    EndMenu();
}

// Opens control id's context menu as Shift+F10 does (WM_CONTEXTMENU at -1, -1), with wanted
// chosen when the popup offers it enabled.
ContextMenuWatch OpenContextMenu(const CWnd& dialog, int id, std::optional<UINT> wanted)
{
    ContextMenuWatch watch;
    watch.wanted = wanted;
    const HWND control = Control(dialog, id);
    if (control == nullptr) return watch;
    Pump();
    SetFocus(control);
    watch.hook = SetWindowsHookExW(WH_CALLWNDPROC, &WatchContextMenu, nullptr, GetCurrentThreadId());
    g_watch = &watch;
    const UINT_PTR timer = SetTimer(nullptr, 0, 5000, &CloseForgottenMenu);
    SendMessageW(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), MAKELPARAM(-1, -1));
    KillTimer(nullptr, timer);
    g_watch = nullptr;
    UnhookWindowsHookEx(watch.hook);
    if (watch.menu != nullptr && !watch.seen) ReportFailure("the context menu stayed open");
    Pump();   // the chosen command
    return watch;
}

}  // namespace

std::unique_ptr<backend::Toolkit> StartApplication(const char* programName)
{
    return backend::StartToolkit(programName);
}

void Type(const CWnd& dialog, int id, std::string_view text)
{
    const HWND edit = Control(dialog, id, L"Edit");
    if (edit == nullptr) return;
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(win32_text::Wide(text).c_str()));
    Pump();
}

void PressKey(const CWnd& dialog, int id, Key key)
{
    const HWND control = Control(dialog, id);
    if (control == nullptr) return;
    PressThroughQueue(control, static_cast<WORD>(VirtualKey(key)));
}

namespace {

void PressLetter(const CWnd& dialog, int id, char letter, std::initializer_list<WORD> modifiers)
{
    const HWND control = Control(dialog, id);
    if (control == nullptr) return;
    if (letter < 'A' || letter > 'Z') {
        ReportFailure(std::string(1, letter) + " is not a letter key");
        return;
    }
    PressThroughQueue(control, static_cast<WORD>(letter), modifiers);
}

}  // namespace

void PressCtrlKey(const CWnd& dialog, int id, char letter)
{
    PressLetter(dialog, id, letter, {VK_CONTROL});
}

void PressCtrlShiftKey(const CWnd& dialog, int id, char letter)
{
    PressLetter(dialog, id, letter, {VK_CONTROL, VK_SHIFT});
}

void Paste(const CWnd& dialog, int id, std::string_view text)
{
    const HWND edit = Control(dialog, id, L"Edit");
    if (edit == nullptr) return;
    if (!backend::SetClipboardText(dialog.m_hWnd, std::string(text))) {
        ReportFailure("the clipboard took no text");
        return;
    }
    FocusInFront(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    PressThroughQueue(edit, 'V', {VK_CONTROL});
}

void Click(const CWnd& dialog, int id)
{
    const HWND button = Control(dialog, id, L"Button");
    if (button == nullptr) return;
    SendMessageW(button, BM_CLICK, 0, 0);
    Pump();
}

void CloseBox(const CWnd& dialog)
{
    PostMessageW(dialog.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
}

void Minimize(const CWnd& window)
{
    ShowWindow(window.m_hWnd, SW_MINIMIZE);
    Pump();
}

bool ChooseSystemMenuEntry(const CWnd& dialog, UINT id)
{
    for (const SystemMenuEntry& entry : SystemMenuEntries(dialog)) {
        if (!entry.separator && entry.enabled && entry.id == id) {
            PostMessageW(dialog.m_hWnd, WM_SYSCOMMAND, id, 0);
            Pump();
            return true;
        }
    }
    return false;
}

namespace {

// The list view id of dialog with row scrolled into view, and the middle of that row's first
// cell in its client coordinates; nullopt after a failure naming what is missing.
std::optional<std::pair<HWND, LPARAM>> ListRowPoint(const CWnd& dialog, int id, int row)
{
    const HWND list = Control(dialog, id, WC_LISTVIEWW);
    if (list == nullptr) return std::nullopt;
    Pump();
    if (row < 0 || row >= static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))) {
        ReportFailure("list " + std::to_string(id) + " has no row " + std::to_string(row));
        return std::nullopt;
    }
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT cell{};
    cell.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    return std::pair{list, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2)};
}

}  // namespace

void ClickListRow(const CWnd& dialog, int id, int row, Modifier modifier)
{
    const auto point = ListRowPoint(dialog, id, row);
    if (!point) return;
    const auto [list, at] = *point;
    const WPARAM keys = modifier == Modifier::Ctrl ? MK_CONTROL : modifier == Modifier::Shift ? MK_SHIFT : 0;
    // Posted, as the mouse's messages come: the list view waits for the release in its own loop.
    PostMessageW(list, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, keys, at);
    Pump();
}

void DoubleClickListRow(const CWnd& dialog, int id, int row)
{
    const auto point = ListRowPoint(dialog, id, row);
    if (!point) return;
    const auto [list, at] = *point;
    // What the system makes of two quick presses on a window class with CS_DBLCLKS.
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    Pump();
}

std::vector<MenuEntry> ContextMenuEntries(const CWnd& dialog, int id)
{
    return OpenContextMenu(dialog, id, std::nullopt).entries;
}

bool ChooseContextMenuEntry(const CWnd& dialog, int id, UINT command)
{
    return OpenContextMenu(dialog, id, command).chosen;
}

void LetEventsRun()
{
    Pump();
}

void PaintNow(const CWnd& window)
{
    Pump();
    RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::string SavePicture(const CWnd& window, const std::string& fileBase)
{
    // Painted whole, frame included, and given the time to reach the screen.
    RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (const ULONGLONG start = GetTickCount64(); GetTickCount64() - start < 300;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        Pump();
    }
    RECT frame{};
    if (window.m_hWnd == nullptr || !GetWindowRect(window.m_hWnd, &frame)) return {};
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    // The screen's pixels under the window, bottom row first as a 24-bit bitmap file holds them.
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP picture = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, picture);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY) != FALSE;
    GdiFlush();
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~DWORD{3};
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    constexpr auto kHeadersBytes = static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    const BITMAPFILEHEADER header{0x4D42, kHeadersBytes + imageBytes, 0, 0, kHeadersBytes};
    const std::string fileName = fileBase + ".bmp";
    bool written = false;
    if (copied && bits != nullptr) {
        if (std::FILE* file = std::fopen(fileName.c_str(), "wb")) {
            written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                      std::fwrite(&format.bmiHeader, sizeof format.bmiHeader, 1, file) == 1 &&
                      std::fwrite(bits, 1, imageBytes, file) == imageBytes;
            written = std::fclose(file) == 0 && written;
        }
    }
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written ? fileName : std::string();
}

std::string Title(const CWnd& window)
{
    return window.m_hWnd != nullptr ? backend::Text(window.m_hWnd) : std::string();
}

bool IsShown(const CWnd& window)
{
    return window.m_hWnd != nullptr && IsWindowVisible(window.m_hWnd);
}

std::string ControlText(const CWnd& dialog, int id)
{
    const HWND control = Control(dialog, id);
    return control != nullptr ? backend::Text(control) : std::string();
}

std::string SelectedText(const CWnd& dialog, int id)
{
    const HWND edit = Control(dialog, id, L"Edit");
    if (edit == nullptr) return {};
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    // The positions count the control's own characters, a multi-line edit's CRs among them.
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    if (start >= end || end > text.size()) return {};
    return win32_text::Utf8(win32_text::WithoutCr(std::wstring_view(text).substr(start, end - start)));
}

int FocusedControl(const CWnd& dialog)
{
    HWND focus = GetFocus();
    if (dialog.m_hWnd == nullptr || focus == nullptr || !IsChild(dialog.m_hWnd, focus)) return 0;
    while (GetParent(focus) != dialog.m_hWnd) focus = GetParent(focus);
    return GetDlgCtrlID(focus);
}

std::vector<std::string> StaticTexts(const CWnd& dialog)
{
    std::vector<std::string> texts;
    if (dialog.m_hWnd == nullptr) return texts;
    for (const HWND child : Children(dialog.m_hWnd)) {
        if (!IsClass(child, L"Static")) continue;
        const auto type = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE)) & SS_TYPEMASK;
        if (type != SS_ICON && type != SS_BITMAP) texts.push_back(backend::Text(child));
    }
    return texts;
}

std::vector<std::string> ClippedStaticTexts(const CWnd& dialog)
{
    std::vector<std::string> clipped;
    if (dialog.m_hWnd == nullptr) return clipped;
    for (const HWND child : Children(dialog.m_hWnd)) {
        if (!IsClass(child, L"Static")) continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        const DWORD type = style & SS_TYPEMASK;
        if (type == SS_ICON || type == SS_BITMAP) continue;
        const std::wstring text = win32_text::Wide(backend::Text(child));
        RECT room{};
        GetClientRect(child, &room);
        // Measured as the static lays its text out.
        RECT needed = room;
        const HDC context = GetDC(child);
        const HGDIOBJ previous = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0)));
        const UINT format = DT_CALCRECT | DT_EXPANDTABS | ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0) |
                            (type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK);
        DrawTextW(context, text.c_str(), static_cast<int>(text.size()), &needed, format);
        SelectObject(context, previous);
        ReleaseDC(child, context);
        if (needed.right > room.right || needed.bottom > room.bottom) clipped.push_back(win32_text::Utf8(text));
    }
    return clipped;
}

std::string ClipboardText()
{
    if (!OpenClipboard(nullptr)) return {};
    std::wstring text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = wide;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    // The program's own line ends, as it put them there: CR LF back to LF.
    return win32_text::Utf8(win32_text::WithoutCr(text));
}

std::vector<int> SelectedListRows(const CWnd& dialog, int id)
{
    std::vector<int> rows;
    const HWND list = Control(dialog, id, WC_LISTVIEWW);
    if (list == nullptr) return rows;
    Pump();
    for (const ListRowSpan& span : backend::SelectedListRows(list))
        for (int row = span.first; row <= span.last; ++row) rows.push_back(row);
    return rows;
}

std::vector<std::vector<std::string>> ShownListRows(const CWnd& dialog, int id)
{
    std::vector<std::vector<std::string>> rows;
    const HWND list = Control(dialog, id, WC_LISTVIEWW);
    if (list == nullptr) return rows;
    Pump();
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const int columns = static_cast<int>(ListHeadings(dialog, id).size());
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) {
            wchar_t text[512] = {};
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 512;
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            cells.push_back(win32_text::Utf8(text));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

int ShownListRowCount(const CWnd& dialog, int id)
{
    const HWND list = Control(dialog, id, WC_LISTVIEWW);
    if (list == nullptr) return 0;
    Pump();
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::vector<std::string> ListHeadings(const CWnd& dialog, int id)
{
    std::vector<std::string> headings;
    const HWND list = Control(dialog, id, WC_LISTVIEWW);
    if (list == nullptr) return headings;
    for (int column = 0;; ++column) {
        wchar_t text[256] = {};
        LVCOLUMNW description{};
        description.mask = LVCF_TEXT;
        description.pszText = text;
        description.cchTextMax = 256;
        if (!SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&description)))
            break;
        headings.push_back(win32_text::Utf8(text));
    }
    return headings;
}

std::vector<int> ListColumnWidths(const CWnd& dialog, int id)
{
    std::vector<int> widths;
    const HWND list = Control(dialog, id, WC_LISTVIEWW);
    if (list == nullptr) return widths;
    const std::size_t columns = ListHeadings(dialog, id).size();
    for (std::size_t column = 0; column < columns; ++column)
        widths.push_back(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)));
    return widths;
}

std::vector<SystemMenuEntry> SystemMenuEntries(const CWnd& dialog)
{
    const HMENU menu = dialog.m_hWnd != nullptr ? GetSystemMenu(dialog.m_hWnd, FALSE) : nullptr;
    return menu != nullptr ? EntriesOf(menu) : std::vector<SystemMenuEntry>{};
}

void ChooseComboBoxEntry(const CWnd& dialog, int id, int index)
{
    const HWND combo = Control(dialog, id, L"ComboBox");
    if (combo == nullptr) return;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count) {
        ReportFailure("drop-down list " + std::to_string(id) + " has no entry " + std::to_string(index));
        return;
    }
    for (;;) {
        const auto chosen = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        if (chosen == index) break;
        PressThroughQueue(combo, chosen < index ? VK_DOWN : VK_UP);
        if (SendMessageW(combo, CB_GETCURSEL, 0, 0) == chosen) {
            ReportFailure("the arrow keys do not move drop-down list " + std::to_string(id));
            return;
        }
    }
}

std::vector<std::string> ComboBoxEntries(const CWnd& dialog, int id)
{
    std::vector<std::string> entries;
    const HWND combo = Control(dialog, id, L"ComboBox");
    if (combo == nullptr) return entries;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        entries.push_back(win32_text::Utf8(text));
    }
    return entries;
}

int ComboBoxSelection(const CWnd& dialog, int id)
{
    const HWND combo = Control(dialog, id, L"ComboBox");
    return combo != nullptr ? static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)) : -1;
}

std::vector<std::string> TopLevelWindows()
{
    Pump();
    std::vector<std::string> windows;
    for (const HWND window : ThreadWindows()) {
        // The thread's hidden helper windows (input method and the like) are not the program's.
        if (!IsClass(window, L"#32770") && !IsWindowVisible(window)) continue;
        std::string described = "window \"";
        described += backend::Text(window);
        described += '"';
        windows.push_back(std::move(described));
    }
    return windows;
}

int ShownTopLevelWindows()
{
    int shown = 0;
    for (const HWND window : ThreadWindows()) shown += IsWindowVisible(window) ? 1 : 0;
    return shown;
}

}  // namespace test_driver
