// The Win32 backend's save-file and open-file dialogs: the system's own (GetSaveFileNameW,
// GetOpenFileNameW), which speak the language of the user's Windows; the file types are the
// program's Spanish texts.

#include "backend/backend.h"
#include "text.h"

#include <commdlg.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// "description\0pattern\0" for each type, and one more NUL at the end.
std::wstring FilterList(const std::vector<backend::FileFilter>& types)
{
    std::wstring filters;
    for (const backend::FileFilter& filter : types) {
        filters += win32_text::Wide(filter.description);
        filters += L'\0';
        filters += win32_text::Wide(filter.pattern);
        filters += L'\0';
    }
    filters += L'\0';
    return filters;
}

// What both dialogs hold while they run: the types, the file name's room, the request.
struct FileDialogCall {
    std::wstring filters;
    std::wstring file = std::wstring(32768, L'\0');   // the longest path the wide API takes
    OPENFILENAMEW dialog{};

    FileDialogCall(HWND owner, const std::vector<backend::FileFilter>& types, int filterIndex)
        : filters(FilterList(types))
    {
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = types.empty() ? nullptr : filters.c_str();
        dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
    }
    FileDialogCall(const FileDialogCall&) = delete;
    FileDialogCall& operator=(const FileDialogCall&) = delete;

    // The name chosen, or nullopt when it has no UTF-8 form (a lone surrogate).
    std::optional<std::string> ChosenPath() const { return win32_text::StrictUtf8(file.c_str()); }
};

}  // namespace

namespace backend {

std::optional<SaveFileChoice> AskSaveFileName(HWND owner, const SaveFileRequest& request)
{
    FileDialogCall call(owner, request.filters, request.filterIndex);
    win32_text::CopyWide(request.fileName, call.file.data(), static_cast<int>(call.file.size()));
    const std::wstring extension = win32_text::Wide(request.defaultExtension);
    // With a default extension set, the dialog adds the chosen type's own to a bare name.
    call.dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    call.dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                        (request.confirmOverwrite ? OFN_OVERWRITEPROMPT : 0);
    if (!GetSaveFileNameW(&call.dialog)) return std::nullopt;
    const std::optional<std::string> path = call.ChosenPath();
    return SaveFileChoice{path.value_or(""), static_cast<int>(call.dialog.nFilterIndex), path.has_value()};
}

std::optional<OpenFileChoice> AskOpenFileName(HWND owner, const OpenFileRequest& request)
{
    FileDialogCall call(owner, request.filters, request.filterIndex);
    call.dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&call.dialog)) return std::nullopt;
    const std::optional<std::string> path = call.ChosenPath();
    return OpenFileChoice{path.value_or(""), static_cast<int>(call.dialog.nFilterIndex), path.has_value()};
}

}  // namespace backend
