#include "afxwin.h"

#include "backend.h"

CPaintDC::CPaintDC(CWnd* window) : m_window(window != nullptr ? window->m_hWnd : nullptr)
{
    if (m_window != nullptr) m_hDC = backend::BeginPainting(m_window);
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr) backend::EndPainting(m_window, m_hDC);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (m_hDC == nullptr || icon == nullptr) return FALSE;
    return backend::DrawIconAt(m_hDC, x, y, icon) ? TRUE : FALSE;
}
