// Modal dialogs of the Win32 backend: DialogBoxParamW on the templates windres compiled into
// the program, every window of the dialog subclassed with the layer's window procedure.

#include "backend/backend.h"
#include "backend/report.h"
#include "layer_window.h"
#include "list_view.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct ModalRun {
    backend::ModalDialogSite* site;
    UINT templateId;
    bool initialized = false;
};

bool IsClass(HWND window, const wchar_t* name)
{
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    return lstrcmpiW(className, name) == 0;
}

// A picture static whose icon or bitmap resource is missing shows nothing: a fatal error, as
// a dialog must not run without the pictures its template names.
bool PicturesPresent(HWND dialog, UINT templateId)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, L"Static")) continue;
        const auto type = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE)) & SS_TYPEMASK;
        const UINT imageType = type == SS_ICON ? IMAGE_ICON : type == SS_BITMAP ? IMAGE_BITMAP : 0;
        if (imageType == 0) continue;
        if (SendMessageW(child, STM_GETIMAGE, imageType, 0) == 0) {
            ReportFatalError("el diálogo " + std::to_string(templateId) + ": falta una imagen");
            return false;
        }
    }
    return true;
}

// The position the template gives the dialog, in dialog units.
POINT TemplatePosition(UINT templateId)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));   // RT_DIALOG
    const auto* data = found != nullptr ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
    if (data == nullptr) return {};
    const auto* words = reinterpret_cast<const WORD*>(data);
    // DLGTEMPLATEEX: version, signature 0xFFFF, help ID, extended style, style, item count, x, y;
    // DLGTEMPLATE: style, extended style, item count, x, y.
    const BYTE* position = words[0] == 1 && words[1] == 0xFFFF ? data + 18 : data + 10;
    short x = 0, y = 0;
    std::memcpy(&x, position, sizeof x);
    std::memcpy(&y, position + 2, sizeof y);
    return {x, y};
}

// A template at 0, 0 is centred over the dialog's owner, or on the screen's work area; any other
// position is the dialog manager's.
void PlaceDialog(HWND dialog, UINT templateId)
{
    const POINT position = TemplatePosition(templateId);
    if (position.x != 0 || position.y != 0) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT area = monitor.rcWork;
    const HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    LONG left = area.left + (area.right - area.left - width) / 2;
    LONG top = area.top + (area.bottom - area.top - height) / 2;
    // Kept on the screen, its caption first.
    left = std::max(monitor.rcWork.left, std::min(left, monitor.rcWork.right - width));
    top = std::max(monitor.rcWork.top, std::min(top, monitor.rcWork.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The dialog's own procedure: only WM_INITDIALOG, which hands the dialog to the framework.
// Every other message reaches the layer's window procedure first and comes here only as part
// of the dialog's standard processing, which does the rest.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG) return FALSE;
    auto& run = *reinterpret_cast<ModalRun*>(lParam);
    run.initialized = true;
    PlaceDialog(dialog, run.templateId);
    ReplaceTemplateListViews(dialog);
    layer_window::Subclass(dialog, run.site, nullptr);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        layer_window::Subclass(child, nullptr, IsClass(child, WC_LISTVIEWW) ? std::make_unique<ListView>(child) : nullptr);
        if (IsClass(child, L"Edit")) SendMessageW(child, EM_SETLIMITTEXT, backend::kEditMaxCharacters, 0);
    }
    if (!PicturesPresent(dialog, run.templateId)) {
        EndDialog(dialog, -1);
        return FALSE;
    }
    const backend::DialogStart start = run.site->Initialize(dialog);
    if (start == backend::DialogStart::Abort) {
        EndDialog(dialog, -1);
        return FALSE;
    }
    PostMessageW(dialog, layer_window::kDialogShown, 0, 0);
    return start == backend::DialogStart::FocusFirstTabStop ? TRUE : FALSE;
}

}  // namespace

namespace backend {

INT_PTR RunModalDialog(UINT templateId, HWND owner, ModalDialogSite& site)
{
    ModalRun run{&site, templateId};
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner,
                                           &DialogProcedure, reinterpret_cast<LPARAM>(&run));
    if (run.initialized) return result;
    const DWORD error = GetLastError();
    ReportFatalError("los recursos no tienen el diálogo " + std::to_string(templateId) +
                     " o no se puede crear (error " + std::to_string(error) + ")");
    return -1;
}

void EndModalDialog(HWND dialog, int result)
{
    EndDialog(dialog, result);
}

HWND FindControl(HWND dialog, int id)
{
    return GetDlgItem(dialog, id);
}

}  // namespace backend
