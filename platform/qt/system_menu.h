#pragma once

// What a menu handle points to in the Qt backend, which has no system menu of its own: the
// entries of a dialog's system menu, shown as a popup by DialogWindow::PopupSystemMenu.

#include "afxwin.h"

#include <string>
#include <vector>

struct HMENU__ {
    struct Entry {
        UINT flags = MF_STRING;
        UINT_PTR id = 0;
        std::string text;   // with '&' before the mnemonic and "\t" before the shortcut text
        bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
        bool IsEnabled() const { return (flags & (MF_GRAYED | MF_DISABLED)) == 0; }
    };
    std::vector<Entry> entries;

    // The standard system menu of a dialog: "Cerrar" (SC_CLOSE, Alt+F4).
    static std::vector<Entry> StandardSystemMenu();
};
