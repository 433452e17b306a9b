#pragma once

// Menus: a window's system menu, and menu resources shown as popups.

#include "afx_types.h"

#include <memory>
#include <vector>

class CWnd;

// A menu: the system menu of a window, or a menu resource loaded to be shown as a popup.
class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    // Destroys the menu LoadMenu made; a system menu stays with its window.
    ~CMenu();

    HMENU m_hMenu = nullptr;

    // Makes the menu of resource id (res/zelmara.rc) this object's, to be destroyed with it.
    // FALSE when this object has a menu already, or (after an error naming it) when the
    // resources have no such menu.
    BOOL LoadMenu(UINT id);
    // Destroys the menu LoadMenu made; FALSE when there is none.
    BOOL DestroyMenu();
    // The popup at position (0 for the first entry), or nullptr when that entry is no popup.
    // The object belongs to this one.
    CMenu* GetSubMenu(int position) const;
    // Sets an entry's state, MF_ENABLED, MF_GRAYED or MF_DISABLED, with MF_BYCOMMAND (the
    // entry with command id, in any popup) or MF_BYPOSITION. Returns its previous state
    // (MF_ENABLED, MF_GRAYED or MF_DISABLED), or (UINT)-1 when there is no such entry.
    UINT EnableMenuItem(UINT id, UINT enable);
    // Shows the menu as a popup with its top-left corner at the screen position x, y (flags:
    // TPM_LEFTALIGN | TPM_RIGHTBUTTON). The entry chosen is sent to owner as WM_COMMAND once the
    // popup has closed, as a window system posts it. FALSE when there is nothing to show.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

    // Appends an entry at the end: MF_SEPARATOR, or MF_STRING with a command ID and a text in
    // which '&' marks the mnemonic ("\t" starts the shortcut text); MF_GRAYED or MF_DISABLED
    // may be added. FALSE (nothing appended) for any other kind or a string entry with no text.
    BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCTSTR newItem = nullptr);
    // The number of entries, separators included; 0 for no menu.
    UINT GetMenuItemCount() const;

private:
    bool m_loaded = false;
    mutable std::vector<std::unique_ptr<CMenu>> m_subMenus;
};
