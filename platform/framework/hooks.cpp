#include "framework/hooks.h"

#include "backend/report.h"
#include "backend/window_map.h"

#include <string>
#include <utility>

namespace platform_hooks {

MessageBoxFunction& MessageBoxOverride()
{
    static MessageBoxFunction function;
    return function;
}

SaveFileDialogFunction& SaveFileDialogOverride()
{
    static SaveFileDialogFunction function;
    return function;
}

OpenFileDialogFunction& OpenFileDialogOverride()
{
    static OpenFileDialogFunction function;
    return function;
}

std::deque<DialogDriver>& PendingDialogDrivers()
{
    static std::deque<DialogDriver> drivers;
    return drivers;
}

void RunNextDialogDriver(CDialog& dialog, UINT templateId)
{
    std::deque<DialogDriver>& drivers = PendingDialogDrivers();
    if (drivers.empty()) return;
    const DialogDriver driver = std::move(drivers.front());
    drivers.pop_front();
    driver(dialog);
    if (dialog.m_hWnd != nullptr && !window_map::Ended(dialog.m_hWnd)) {
        ReportError("la prueba dejó abierto el diálogo " + std::to_string(templateId));
        ++DialogsLeftOpenByDrivers();
        dialog.EndDialog(kDriverLeftDialogOpen);
    }
}

int& DialogsLeftOpenByDrivers()
{
    static int count = 0;
    return count;
}

}  // namespace platform_hooks
