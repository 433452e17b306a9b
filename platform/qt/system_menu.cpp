// The Qt backend's system menus: a list of entries per dialog.

#include "system_menu.h"

#include "backend/backend.h"
#include "dialog_window.h"

std::vector<HMENU__::Entry> HMENU__::StandardSystemMenu()
{
    return {Entry{MF_STRING, SC_CLOSE, "&Cerrar\tAlt+F4", nullptr}};
}

namespace backend {

HMENU SystemMenu(HWND window, bool revert)
{
    DialogWindow* dialog = window->AsDialog();
    if (dialog == nullptr || !dialog->hasSystemMenu) return nullptr;
    if (revert) {
        dialog->systemMenu.entries = HMENU__::StandardSystemMenu();
        return nullptr;
    }
    return &dialog->systemMenu;
}

bool AppendMenuEntry(HMENU menu, UINT flags, UINT_PTR id, std::string_view text)
{
    menu->entries.push_back({flags, id, std::string(text), nullptr});
    return true;
}

UINT MenuEntryCount(HMENU menu)
{
    return static_cast<UINT>(menu->entries.size());
}

}  // namespace backend
