#include "testing.h"

#include "dialog_window.h"
#include "hooks.h"
#include "toolkit.h"

#include <QPixmap>

namespace platform_testing {

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv)
{
    return StartToolkit(argc, argv);
}

MessageBoxRecorder::MessageBoxRecorder(int answer)
{
    platform_hooks::MessageBoxOverride() = [this, answer](const std::string& text,
                                                          const std::string& caption, UINT type) {
        m_calls.push_back({text, caption, type});
        return answer;
    };
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    platform_hooks::MessageBoxOverride() = nullptr;
}

void WhenNextDialogShown(std::function<void(CDialog& dialog)> driver)
{
    platform_hooks::PendingDialogDrivers().push_back(std::move(driver));
}

int PendingDialogDrivers()
{
    return static_cast<int>(platform_hooks::PendingDialogDrivers().size());
}

void ClearDialogDrivers()
{
    platform_hooks::PendingDialogDrivers().clear();
}

QWidget* WidgetOf(const CWnd& window)
{
    return window.m_hWnd != nullptr ? window.m_hWnd->widget : nullptr;
}

QDialog* DialogOf(const CWnd& dialog)
{
    return qobject_cast<QDialog*>(WidgetOf(dialog));
}

QWidget* ControlOf(const CWnd& dialog, int id)
{
    const CWnd* control = dialog.GetDlgItem(id);
    return control != nullptr ? WidgetOf(*control) : nullptr;
}

std::vector<SystemMenuEntry> SystemMenuEntries(const CWnd& dialog)
{
    std::vector<SystemMenuEntry> entries;
    const CMenu* menu = dialog.GetSystemMenu(FALSE);
    if (menu == nullptr) return entries;
    for (const HMENU__::Entry& entry : menu->m_hMenu->entries) {
        entries.push_back({entry.text, static_cast<UINT>(entry.id), entry.IsSeparator(),
                           entry.IsEnabled()});
    }
    return entries;
}

bool ChooseSystemMenuEntry(CWnd& dialog, UINT id)
{
    const CMenu* menu = dialog.GetSystemMenu(FALSE);
    if (menu == nullptr) return false;
    for (const HMENU__::Entry& entry : menu->m_hMenu->entries) {
        if (!entry.IsSeparator() && entry.IsEnabled() && entry.id == id) {
            dialog.SendMessage(WM_SYSCOMMAND, id, 0);
            return true;
        }
    }
    return false;
}

QImage GrabWindow(const CWnd& window)
{
    QWidget* widget = WidgetOf(window);
    return widget != nullptr ? widget->grab().toImage() : QImage();
}

}  // namespace platform_testing
