// Keyboard shortcuts of the Win32 backend: a dialog's accelerator table (LoadAcceleratorsW),
// applied to the messages of its modal loop by a message-filter hook, which the dialog manager
// calls for each message before it handles it (IsDialogMessage, MSGF_DIALOGBOX).

#include "backend/backend.h"
#include "backend/report.h"
#include "layer_window.h"

#include <string>

namespace {

HHOOK g_dialogKeysHook = nullptr;

LRESULT CALLBACK TranslateDialogKeys(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX) {
        auto* message = reinterpret_cast<MSG*>(lParam);
        const HWND dialog = message->hwnd != nullptr ? GetAncestor(message->hwnd, GA_ROOT) : nullptr;
        const HACCEL table = dialog != nullptr ? layer_window::AcceleratorsOf(dialog) : nullptr;
        // The command goes to the dialog as WM_COMMAND MAKEWPARAM(command, 1), lParam 0.
        if (table != nullptr && TranslateAcceleratorW(dialog, table, message)) return TRUE;
    }
    return CallNextHookEx(g_dialogKeysHook, code, wParam, lParam);
}

}  // namespace

namespace backend {

bool UseAcceleratorTable(HWND dialog, UINT id)
{
    // Freed with the program, as every resource.
    const HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    if (table == nullptr) {
        ReportError("los recursos no tienen la tabla de atajos " + std::to_string(id));
        return false;
    }
    if (g_dialogKeysHook == nullptr)
        g_dialogKeysHook = SetWindowsHookExW(WH_MSGFILTER, &TranslateDialogKeys, nullptr, GetCurrentThreadId());
    layer_window::UseAccelerators(dialog, table);
    return true;
}

}  // namespace backend
