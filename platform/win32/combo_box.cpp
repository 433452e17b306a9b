// Drop-down lists in the Win32 backend: the native combo box, its texts converted at the
// boundary.

#include "backend/backend.h"
#include "text.h"

#include <string>

namespace {

bool IsComboBox(HWND combo)
{
    wchar_t className[16] = {};
    GetClassNameW(combo, className, 16);
    return lstrcmpiW(className, L"ComboBox") == 0;
}

}  // namespace

namespace backend {

int AddComboBoxEntry(HWND combo, std::string_view text)
{
    if (!IsComboBox(combo)) return CB_ERR;
    const std::wstring wide = win32_text::Wide(text);
    const auto index = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return index < 0 ? CB_ERR : static_cast<int>(index);
}

int ComboBoxEntryCount(HWND combo)
{
    return IsComboBox(combo) ? static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0)) : 0;
}

std::optional<std::string> ComboBoxEntry(HWND combo, int index)
{
    if (!IsComboBox(combo)) return std::nullopt;
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return std::nullopt;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (copied < 0) return std::nullopt;
    text.resize(static_cast<std::size_t>(copied));
    return win32_text::Utf8(text);
}

int ComboBoxSelection(HWND combo)
{
    return IsComboBox(combo) ? static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)) : CB_ERR;
}

bool SelectComboBoxEntry(HWND combo, int index)
{
    if (!IsComboBox(combo) || index < -1 || index >= ComboBoxEntryCount(combo)) return false;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
}

}  // namespace backend
