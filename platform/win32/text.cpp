#include "text.h"

namespace win32_text {

std::wstring Wide(std::string_view text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8(std::wstring_view text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::string utf8(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                        nullptr);
    return utf8;
}

std::optional<std::string> StrictUtf8(std::wstring_view text)
{
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length == 0) return std::nullopt;
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring WithCrLf(std::wstring_view text)
{
    std::wstring lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) lines += L'\r';
        lines += text[i];
    }
    return lines;
}

std::wstring WithoutCr(std::wstring_view text)
{
    std::wstring lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        lines += text[i];
    }
    return lines;
}

void CopyWide(std::string_view text, wchar_t* buffer, int capacity)
{
    if (buffer == nullptr || capacity <= 0) return;
    int written = 0;
    if (!text.empty()) {
        written = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), buffer,
                                      capacity - 1);
        if (written == 0) {   // too long for the buffer: the part that fits
            const std::wstring wide = Wide(text);
            written = static_cast<int>(std::min<std::size_t>(wide.size(), static_cast<std::size_t>(capacity - 1)));
            wide.copy(buffer, static_cast<std::size_t>(written));
        }
    }
    buffer[written] = L'\0';
}

}  // namespace win32_text
