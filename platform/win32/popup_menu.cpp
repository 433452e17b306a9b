// The Win32 backend's menus from the resources (LoadMenuW on what windres compiled) and their
// popups (TrackPopupMenu, which posts the chosen command to the owner).

#include "backend/backend.h"
#include "backend/report.h"

#include <string>

namespace backend {

HMENU LoadMenuResource(UINT id)
{
    const HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    if (menu == nullptr) ReportError("los recursos no tienen el menú " + std::to_string(id));
    return menu;
}

void DestroyMenuHandle(HMENU menu)
{
    DestroyMenu(menu);
}

HMENU SubMenuAt(HMENU menu, int position)
{
    return position >= 0 ? GetSubMenu(menu, position) : nullptr;
}

UINT SetMenuEntryState(HMENU menu, UINT id, UINT flags)
{
    // EnableMenuItem looks into the popups too when MF_BYCOMMAND is given.
    const DWORD previous = static_cast<DWORD>(EnableMenuItem(menu, id, flags));
    return previous == static_cast<DWORD>(-1) ? static_cast<UINT>(-1) : previous & (MF_GRAYED | MF_DISABLED);
}

bool ShowPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner)
{
    if (menu == nullptr || GetMenuItemCount(menu) <= 0) return false;
    // Without TPM_RETURNCMD the chosen entry comes as a posted WM_COMMAND, after the popup closed.
    return TrackPopupMenu(menu, flags & ~(TPM_RETURNCMD | TPM_NONOTIFY), x, y, 0, owner, nullptr) != FALSE;
}

}  // namespace backend
