// The system menus of the Win32 backend's dialogs: the system's own.

#include "backend/backend.h"
#include "text.h"

#include <string_view>

namespace backend {

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

}  // namespace backend
