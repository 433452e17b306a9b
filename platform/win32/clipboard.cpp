// The Win32 backend's clipboard: text as CF_UNICODETEXT, its lines ended with CR LF as Windows
// programs expect them.

#include "backend/backend.h"

#include <cstring>

namespace {

// Fills a movable block with text in UTF-16, each LF that ends a line turned into CR LF, and a
// final NUL. The text is converted once into the block's tail, then moved forward over itself
// with the CRs put in: no second copy of millions of rows. nullptr when memory runs out.
HGLOBAL WideTextBlock(const std::string& text)
{
    const int wideLength =
        text.empty() ? 0 : MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::size_t addedCrs = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        addedCrs += text[i] == '\n' && (i == 0 || text[i - 1] != '\r') ? 1 : 0;
    const std::size_t total = static_cast<std::size_t>(wideLength) + addedCrs + 1;
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, total * sizeof(wchar_t));
    if (block == nullptr) return nullptr;
    auto* wide = static_cast<wchar_t*>(GlobalLock(block));
    if (wide == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    if (wideLength > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide + addedCrs, wideLength);
    std::size_t to = 0;
    wchar_t previous = 0;
    for (std::size_t from = addedCrs; from < addedCrs + static_cast<std::size_t>(wideLength); ++from) {
        const wchar_t c = wide[from];
        if (c == L'\n' && previous != L'\r') wide[to++] = L'\r';
        wide[to++] = c;
        previous = c;
    }
    wide[to] = L'\0';
    GlobalUnlock(block);
    return block;
}

}  // namespace

namespace backend {

bool SetClipboardText(HWND owner, std::string text)
{
    const HGLOBAL block = WideTextBlock(text);
    text = std::string();   // the block holds it now
    if (block == nullptr) return false;
    if (!OpenClipboard(owner)) {
        GlobalFree(block);
        return false;
    }
    // Once SetClipboardData has taken the block, the system owns it.
    const bool set = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    if (!set) GlobalFree(block);
    return set;
}

}  // namespace backend
