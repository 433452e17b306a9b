// Painting in the Win32 backend: BeginPaint and EndPaint while a window handles WM_PAINT.

#include "backend/backend.h"
#include "layer_window.h"

#include <map>

namespace {

// The paint structures of the paints under way, by their device context.
std::map<HDC, PAINTSTRUCT>& Paints()
{
    static std::map<HDC, PAINTSTRUCT> paints;
    return paints;
}

}  // namespace

namespace backend {

HDC BeginPainting(HWND window)
{
    if (!layer_window::Painting(window)) return nullptr;
    PAINTSTRUCT paint{};
    const HDC context = BeginPaint(window, &paint);
    if (context != nullptr) Paints()[context] = paint;
    return context;
}

void EndPainting(HWND window, HDC context)
{
    auto found = Paints().find(context);
    if (found == Paints().end()) return;
    EndPaint(window, &found->second);
    Paints().erase(found);
}

bool DrawIconAt(HDC context, int x, int y, HICON icon)
{
    return DrawIcon(context, x, y, icon) != FALSE;
}

}  // namespace backend
