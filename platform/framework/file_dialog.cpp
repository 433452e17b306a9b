#include "afxdlgs.h"

#include "backend/backend.h"
#include "framework/hooks.h"
#include "system/file_write_text.h"

#include <optional>

namespace {

// The framework's "description|pattern|...||" as filters; a trailing pair without its
// pattern is left out.
std::vector<backend::FileFilter> SplitFilters(const std::string& filter)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar = filter.find('|'); bar != std::string::npos; bar = filter.find('|', start)) {
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<backend::FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2)
        filters.push_back({parts[i], parts[i + 1]});
    return filters;
}

HWND OwnerWindow(const CWnd* parent)
{
    if (parent != nullptr && parent->m_hWnd != nullptr) return parent->m_hWnd;
    const CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName,
                         DWORD flags, LPCTSTR filter, CWnd* parentWnd)
    : m_openForm(bOpenFileDialog != FALSE),
      m_defaultExtension(defaultExtension != nullptr ? defaultExtension : ""),
      m_fileName(fileName != nullptr ? fileName : ""),
      m_flags(flags),
      m_filter(filter != nullptr ? filter : ""),
      m_pParentWnd(parentWnd)
{
}

INT_PTR CFileDialog::AskOpenFile()
{
    backend::OpenFileRequest request;
    request.filters = SplitFilters(m_filter);
    request.filterIndex = m_filterIndex;
    const platform_hooks::OpenFileDialogFunction& replacement = platform_hooks::OpenFileDialogOverride();
    const std::optional<backend::OpenFileChoice> choice =
        replacement ? replacement(request) : backend::AskOpenFileName(OwnerWindow(m_pParentWnd), request);
    if (!choice) return IDCANCEL;
    if (!choice->nameIsText) {
        const std::string reason = FileWriteReasonText({FileWriteError::InvalidName, {}});
        AfxMessageBox(("No se puede abrir ese archivo: " + reason + ".").c_str(), MB_ICONEXCLAMATION);
        return IDCANCEL;
    }
    m_pathName = choice->path;
    m_filterIndex = choice->filterIndex;
    return IDOK;
}

INT_PTR CFileDialog::DoModal()
{
    if (m_openForm) return AskOpenFile();
    backend::SaveFileRequest request;
    request.filters = SplitFilters(m_filter);
    request.filterIndex = m_filterIndex;
    request.defaultExtension = m_defaultExtension;
    request.fileName = m_fileName;
    request.confirmOverwrite = (m_flags & OFN_OVERWRITEPROMPT) != 0;
    const platform_hooks::SaveFileDialogFunction& replacement = platform_hooks::SaveFileDialogOverride();
    const std::optional<backend::SaveFileChoice> choice =
        replacement ? replacement(request) : backend::AskSaveFileName(OwnerWindow(m_pParentWnd), request);
    if (!choice) return IDCANCEL;
    if (!choice->nameIsText) {
        const std::string reason = FileWriteReasonText({FileWriteError::InvalidName, {}});
        AfxMessageBox(("No se puede guardar con ese nombre: " + reason + ".\n\nNingún archivo ha cambiado.").c_str(),
                      MB_ICONEXCLAMATION);
        return IDCANCEL;
    }
    m_pathName = choice->path;
    m_filterIndex = choice->filterIndex;
    return IDOK;
}
