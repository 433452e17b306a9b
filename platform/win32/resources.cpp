// The program's resources in the Win32 backend: what windres compiled into the executable.

#include "backend/backend.h"
#include "backend/report.h"
#include "text.h"

#include <string>

namespace backend {

std::optional<std::string> StringResource(UINT id)
{
    const wchar_t* text = nullptr;
    // With no buffer, LoadStringW gives the resource's own read-only text and its length.
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return std::nullopt;
    return win32_text::Utf8(std::wstring_view(text, static_cast<std::size_t>(length)));
}

HICON IconResource(UINT id)
{
    // LR_SHARED: the system keeps one handle per resource and never frees it.
    const auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                    0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (icon == nullptr) ReportError("los recursos no tienen el icono " + std::to_string(id));
    return icon;
}

}  // namespace backend
