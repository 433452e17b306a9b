// Messages, texts, focus and state of the Win32 backend's windows.

#include "backend/backend.h"
#include "layer_window.h"
#include "list_view.h"
#include "text.h"

#include <string>

namespace backend {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(window, message, wParam, lParam);
}

LRESULT DefaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ListView* list = layer_window::ListOf(window)) {
        if (const std::optional<LRESULT> result = ListRowsMessage(list->Rows(), message)) return *result;
    }
    return layer_window::CallOriginal(window, message, wParam, lParam);
}

std::string Text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return win32_text::Utf8(text);
}

void SetText(HWND window, std::string_view text)
{
    SetWindowTextW(window, win32_text::Wide(text).c_str());
}

void FocusControl(HWND control, bool selectText)
{
    // As the dialog manager moves the focus on Tab, which selects an edit's text.
    if (selectText)
        SendMessageW(GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    else
        SetFocus(control);
}

bool IsMinimized(HWND window)
{
    return IsIconic(window) != FALSE;
}

RECT ClientRect(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

HMENU SystemMenu(HWND window, bool revert)
{
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU) == 0) return nullptr;
    return GetSystemMenu(window, revert ? TRUE : FALSE);
}

bool AppendMenuEntry(HMENU menu, UINT flags, UINT_PTR id, std::string_view text)
{
    if ((flags & MF_SEPARATOR) != 0) return AppendMenuW(menu, flags, 0, nullptr) != FALSE;
    return AppendMenuW(menu, flags, id, win32_text::Wide(text).c_str()) != FALSE;
}

UINT MenuEntryCount(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    return count > 0 ? static_cast<UINT>(count) : 0;
}

ListRows* ListRowsOf(HWND list)
{
    ListView* view = layer_window::ListOf(list);
    return view != nullptr ? &view->Rows() : nullptr;
}

int InsertListColumn(HWND list, int column, std::string_view heading, int format, int widthPixels)
{
    ListView* view = layer_window::ListOf(list);
    return view != nullptr ? view->InsertColumn(column, heading, format, widthPixels) : -1;
}

}  // namespace backend
