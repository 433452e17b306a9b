#include "menu.h"

std::vector<HMENU__::Entry> HMENU__::StandardSystemMenu()
{
    return {Entry{MF_STRING, SC_CLOSE, "&Cerrar\tAlt+F4"}};
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, LPCTSTR newItem)
{
    if (m_hMenu == nullptr) return FALSE;
    const UINT state = flags & (MF_GRAYED | MF_DISABLED);
    const UINT kind = flags & ~state;
    if (kind == MF_SEPARATOR) {
        m_hMenu->entries.push_back({flags, 0, {}});
        return TRUE;
    }
    if (kind != MF_STRING || newItem == nullptr) return FALSE;
    m_hMenu->entries.push_back({flags, idNewItem, newItem});
    return TRUE;
}

UINT CMenu::GetMenuItemCount() const
{
    return m_hMenu != nullptr ? static_cast<UINT>(m_hMenu->entries.size()) : 0;
}
