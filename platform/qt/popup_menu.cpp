// The Qt backend's menus from the resources, and the popups of every menu.

#include "system_menu.h"

#include "backend/backend.h"
#include "backend/report.h"
#include "backend/window_map.h"
#include "resources.h"
#include "toolkit.h"
#include "window.h"

#include <QMenu>
#include <QMetaObject>

namespace {

std::shared_ptr<HMENU__> MenuFrom(const std::vector<resource::MenuItemTemplate>& items)
{
    auto menu = std::make_shared<HMENU__>();
    for (const resource::MenuItemTemplate& item : items) {
        HMENU__::Entry entry;
        switch (item.kind) {
        case resource::MenuItemTemplate::Kind::Separator: entry.flags = MF_SEPARATOR; break;
        case resource::MenuItemTemplate::Kind::Popup:
            entry.flags = MF_POPUP | item.flags;
            entry.popup = MenuFrom(item.items);
            break;
        case resource::MenuItemTemplate::Kind::Command:
            entry.flags = MF_STRING | item.flags;
            entry.id = static_cast<UINT_PTR>(item.id);
            break;
        }
        entry.text = item.text;
        menu->entries.push_back(std::move(entry));
    }
    return menu;
}

void AddEntries(QMenu& popup, const HMENU__& menu)
{
    for (const HMENU__::Entry& entry : menu.entries) {
        if (entry.IsSeparator()) {
            popup.addSeparator();
            continue;
        }
        QAction* action;
        if (entry.popup != nullptr) {
            QMenu* sub = popup.addMenu(FromUtf8(entry.text));
            AddEntries(*sub, *entry.popup);
            action = sub->menuAction();
        } else {
            action = popup.addAction(FromUtf8(entry.text));
            action->setData(QVariant::fromValue(static_cast<qulonglong>(entry.id)));
        }
        action->setEnabled(entry.IsEnabled());
        if ((entry.flags & MF_CHECKED) != 0) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
}

// The entry with command id in menu or its popups, or the one at position id with MF_BYPOSITION.
HMENU__::Entry* FindEntry(HMENU__& menu, UINT id, UINT flags)
{
    if ((flags & MF_BYPOSITION) != 0)
        return id < menu.entries.size() ? &menu.entries[id] : nullptr;
    for (HMENU__::Entry& entry : menu.entries) {
        if (entry.popup != nullptr) {
            if (HMENU__::Entry* found = FindEntry(*entry.popup, id, flags)) return found;
        } else if (!entry.IsSeparator() && entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

// Loaded menus, kept alive by their handle until DestroyMenuHandle.
std::vector<std::shared_ptr<HMENU__>>& LoadedMenus()
{
    static std::vector<std::shared_ptr<HMENU__>> menus;
    return menus;
}

}  // namespace

QMenu* MakePopup(const HMENU__& menu, QWidget* parent, std::function<void(UINT_PTR command)> chosen)
{
    auto* popup = new QMenu(parent);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    AddEntries(*popup, menu);
    QObject::connect(popup, &QMenu::triggered, popup, [popup, chosen](QAction* action) {
        if (!action->data().isValid()) return;
        const auto command = static_cast<UINT_PTR>(action->data().toULongLong());
        // Handed on once the popup has closed, as the window system posts the command.
        QMetaObject::invokeMethod(popup->parentWidget(), [chosen, command] { chosen(command); },
                                  Qt::QueuedConnection);
    });
    return popup;
}

namespace backend {

HMENU LoadMenuResource(UINT id)
{
    const resource::ResourceScript* script = resources::Script();
    if (script == nullptr) return nullptr;
    const resource::MenuTemplate* menu = script->FindMenu(static_cast<int>(id));
    if (menu == nullptr) {
        ReportError("los recursos no tienen el menú " + std::to_string(id));
        return nullptr;
    }
    LoadedMenus().push_back(MenuFrom(menu->items));
    return LoadedMenus().back().get();
}

void DestroyMenuHandle(HMENU menu)
{
    std::erase_if(LoadedMenus(), [menu](const std::shared_ptr<HMENU__>& loaded) { return loaded.get() == menu; });
}

HMENU SubMenuAt(HMENU menu, int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= menu->entries.size()) return nullptr;
    return menu->entries[static_cast<std::size_t>(position)].popup.get();
}

UINT SetMenuEntryState(HMENU menu, UINT id, UINT flags)
{
    HMENU__::Entry* entry = FindEntry(*menu, id, flags);
    if (entry == nullptr) return static_cast<UINT>(-1);
    constexpr UINT kState = MF_GRAYED | MF_DISABLED;
    const UINT previous = entry->flags & kState;
    entry->flags = (entry->flags & ~kState) | (flags & kState);
    return previous;
}

bool ShowPopupMenu(HMENU menu, UINT, int x, int y, HWND owner)
{
    if (owner->widget == nullptr || menu->entries.empty()) return false;
    QMenu* popup = MakePopup(*menu, owner->widget, [owner](UINT_PTR command) {
        window_map::Deliver(owner, WM_COMMAND, MAKEWPARAM(static_cast<UINT>(command), 0), 0);
    });
    popup->popup(QPoint(x, y));
    return true;
}

}  // namespace backend
