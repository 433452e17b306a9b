#include "afxwin.h"

#include "dialog_widget.h"
#include "dialog_window.h"
#include "paint_context.h"
#include "resources.h"

CPaintDC::CPaintDC(CWnd* window)
{
    if (window == nullptr || window->m_hWnd == nullptr) return;
    DialogWindow* dialog = window->m_hWnd->AsDialog();
    // A painter may only open on a widget while it handles its paint event.
    if (dialog == nullptr || dialog->currentPaint == nullptr) return;
    m_hDC = new HDC__;
    m_hDC->painter.begin(&dialog->Dialog());
}

CPaintDC::~CPaintDC()
{
    delete m_hDC;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (m_hDC == nullptr || icon == nullptr || !m_hDC->painter.isActive()) return FALSE;
    m_hDC->painter.drawImage(x, y, icon->large);
    return TRUE;
}

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
