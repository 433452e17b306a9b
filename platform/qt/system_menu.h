#pragma once

// What a menu handle points to in the Qt backend, which has no menus of its own: a list of
// entries, some of them popups with entries of their own. A dialog's system menu is one, shown
// by DialogWindow::PopupSystemMenu; a menu resource loaded for a popup is another.

#include "afxwin.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMenu;
class QWidget;

struct HMENU__ {
    struct Entry {
        UINT flags = MF_STRING;
        UINT_PTR id = 0;
        std::string text;   // with '&' before the mnemonic and "\t" before the shortcut text
        std::shared_ptr<HMENU__> popup;   // a popup's entries
        bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
        bool IsEnabled() const { return (flags & (MF_GRAYED | MF_DISABLED)) == 0; }
    };
    std::vector<Entry> entries;

    // The standard system menu of a dialog: "Cerrar" (SC_CLOSE, Alt+F4).
    static std::vector<Entry> StandardSystemMenu();
};

// A Qt popup of menu's entries (and popups), deleted once it has closed. The command of the
// entry chosen is handed to chosen once the popup has closed, from the event loop.
QMenu* MakePopup(const HMENU__& menu, QWidget* parent, std::function<void(UINT_PTR command)> chosen);
