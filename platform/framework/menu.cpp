#include "afxwin.h"

#include "backend/backend.h"

CMenu::~CMenu()
{
    DestroyMenu();
}

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

BOOL CMenu::LoadMenu(UINT id)
{
    if (m_hMenu != nullptr) return FALSE;
    m_hMenu = backend::LoadMenuResource(id);
    m_loaded = m_hMenu != nullptr;
    return m_loaded ? TRUE : FALSE;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_loaded) return FALSE;
    m_subMenus.clear();
    backend::DestroyMenuHandle(m_hMenu);
    m_hMenu = nullptr;
    m_loaded = false;
    return TRUE;
}

CMenu* CMenu::GetSubMenu(int position) const
{
    const HMENU popup = m_hMenu != nullptr ? backend::SubMenuAt(m_hMenu, position) : nullptr;
    if (popup == nullptr) return nullptr;
    for (const std::unique_ptr<CMenu>& subMenu : m_subMenus)
        if (subMenu->m_hMenu == popup) return subMenu.get();
    m_subMenus.push_back(std::make_unique<CMenu>());
    m_subMenus.back()->m_hMenu = popup;
    return m_subMenus.back().get();
}

UINT CMenu::EnableMenuItem(UINT id, UINT enable)
{
    if (m_hMenu == nullptr) return static_cast<UINT>(-1);
    return backend::SetMenuEntryState(m_hMenu, id, enable);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner)
{
    if (m_hMenu == nullptr || owner == nullptr || owner->m_hWnd == nullptr) return FALSE;
    return backend::ShowPopupMenu(m_hMenu, flags, x, y, owner->m_hWnd) ? TRUE : FALSE;
}
