// Start-up, the message loop and message boxes of the Win32 backend.

#include "backend/backend.h"
#include "text.h"

namespace {

class Win32Toolkit final : public backend::Toolkit {};

BOOL CALLBACK NoteShownWindow(HWND window, LPARAM shown)
{
    if (IsWindowVisible(window)) *reinterpret_cast<bool*>(shown) = true;
    return TRUE;
}

}  // namespace

namespace backend {

std::unique_ptr<Toolkit> StartToolkit(const char*)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return std::make_unique<Win32Toolkit>();
}

bool AnyWindowShown()
{
    bool shown = false;
    EnumThreadWindows(GetCurrentThreadId(), &NoteShownWindow, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

void RunMessageLoop()
{
    MSG message{};
    while (AnyWindowShown() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        const HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root != nullptr && IsDialogMessageW(root, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT type)
{
    // Without an active window to own it, the box is modal to every window of the program.
    const HWND owner = GetActiveWindow();
    return MessageBoxW(owner, win32_text::Wide(text).c_str(), win32_text::Wide(caption).c_str(),
                       owner != nullptr ? type : type | MB_TASKMODAL);
}

}  // namespace backend
