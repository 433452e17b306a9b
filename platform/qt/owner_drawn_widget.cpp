#include "owner_drawn_widget.h"

#include "backend/window_map.h"
#include "dialog_window.h"
#include "paint_context.h"

OwnerDrawnWidget::OwnerDrawnWidget(DialogWindow& dialog, HWND__& control, QWidget* parent)
    : QWidget(parent), m_dialog(dialog), m_control(control)
{
    setFocusPolicy(Qt::NoFocus);
}

void OwnerDrawnWidget::paintEvent(QPaintEvent*)
{
    HDC__ context(this);
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(m_control.controlId);
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = &m_control;
    item.hDC = &context;
    item.rcItem = RECT{0, 0, width(), height()};
    window_map::Deliver(&m_dialog, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}
