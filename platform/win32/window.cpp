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

namespace {

bool IsMultiLineEdit(HWND window)
{
    wchar_t className[8] = {};
    GetClassNameW(window, className, 8);
    return lstrcmpiW(className, L"Edit") == 0 && (GetWindowLongPtrW(window, GWL_STYLE) & ES_MULTILINE) != 0;
}

}  // namespace

std::string Text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return win32_text::Utf8(IsMultiLineEdit(window) ? win32_text::WithoutCr(text) : text);
}

void SetText(HWND window, std::string_view text)
{
    const std::wstring wide = win32_text::Wide(text);
    SetWindowTextW(window, (IsMultiLineEdit(window) ? win32_text::WithCrLf(wide) : wide).c_str());
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

void EnableControl(HWND control, bool enable)
{
    EnableWindow(control, enable ? TRUE : FALSE);
}

bool IsControlEnabled(HWND control)
{
    return IsWindowEnabled(control) != FALSE;
}

void InvalidateWindow(HWND window)
{
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace backend
