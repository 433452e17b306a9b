#include "afxwin.h"

#include "backend.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, LPCTSTR newItem)
{
    if (m_hMenu == nullptr) return FALSE;
    const UINT kind = flags & ~UINT{MF_GRAYED | MF_DISABLED};
    if (kind == MF_SEPARATOR)
        return backend::AppendMenuEntry(m_hMenu, flags, 0, {}) ? TRUE : FALSE;
    if (kind != MF_STRING || newItem == nullptr) return FALSE;
    return backend::AppendMenuEntry(m_hMenu, flags, idNewItem, newItem) ? TRUE : FALSE;
}

UINT CMenu::GetMenuItemCount() const
{
    return m_hMenu != nullptr ? backend::MenuEntryCount(m_hMenu) : 0;
}
