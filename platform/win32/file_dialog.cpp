// The Win32 backend's save-file and open-file dialogs: the system's own (GetSaveFileNameW,
// GetOpenFileNameW), which speak the language of the user's Windows; the file types are the
// program's Spanish texts.

#include "backend/backend.h"
#include "text.h"

#include <commdlg.h>

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

}  // namespace

namespace backend {

std::optional<SaveFileChoice> AskSaveFileName(HWND owner, const SaveFileRequest& request)
{
    const std::wstring filters = FilterList(request.filters);
    std::wstring file(32768, L'\0');   // the longest path the wide API takes
    win32_text::CopyWide(request.fileName, file.data(), static_cast<int>(file.size()));
    const std::wstring extension = win32_text::Wide(request.defaultExtension);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    // With a default extension set, the dialog adds the chosen type's own to a bare name.
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (request.confirmOverwrite ? OFN_OVERWRITEPROMPT : 0);
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    const std::optional<std::string> path = win32_text::StrictUtf8(file.c_str());
    return SaveFileChoice{path.value_or(""), static_cast<int>(dialog.nFilterIndex), path.has_value()};
}

std::optional<OpenFileChoice> AskOpenFileName(HWND owner, const OpenFileRequest& request)
{
    const std::wstring filters = FilterList(request.filters);
    std::wstring file(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    const std::optional<std::string> path = win32_text::StrictUtf8(file.c_str());
    return OpenFileChoice{path.value_or(""), static_cast<int>(dialog.nFilterIndex), path.has_value()};
}

}  // namespace backend
