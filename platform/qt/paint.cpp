// Painting in the Qt backend: a painter open on a dialog while it handles its paint event.

#include "backend.h"
#include "dialog_widget.h"
#include "dialog_window.h"
#include "paint_context.h"
#include "resources.h"

namespace backend {

HDC BeginPainting(HWND window)
{
    DialogWindow* dialog = window->AsDialog();
    // A painter may only open on a widget while it handles its paint event.
    if (dialog == nullptr || dialog->currentPaint == nullptr) return nullptr;
    auto* context = new HDC__;
    context->painter.begin(&dialog->Dialog());
    return context;
}

void EndPainting(HWND, HDC context)
{
    delete context;
}

bool DrawIconAt(HDC context, int x, int y, HICON icon)
{
    if (!context->painter.isActive()) return false;
    context->painter.drawImage(x, y, icon->large);
    return true;
}

}  // namespace backend

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    default: return 0;
    }
}
