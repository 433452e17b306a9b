#include "afxwin.h"

#include "dialog_window.h"
#include "window.h"

#include <QWidget>

namespace {

// The message being processed, for Default(); restored when a nested one ends.
struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
CurrentMessage g_currentMessage;

class MessageScope {
public:
    explicit MessageScope(CurrentMessage message) : m_saved(g_currentMessage)
    {
        g_currentMessage = message;
    }
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;
    ~MessageScope() { g_currentMessage = m_saved; }

private:
    CurrentMessage m_saved;
};

}  // namespace

CWnd::~CWnd()
{
    Detach();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (m_hWnd != nullptr || hWnd == nullptr || hWnd->attached != nullptr) return FALSE;
    m_hWnd = hWnd;
    hWnd->attached = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && hWnd->attached == this) hWnd->attached = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == nullptr) return 0;
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MessageScope scope({message, wParam, lParam});
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    if (message == WM_COMMAND) return OnCommand(wParam, lParam);

    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
    if (entry == nullptr) return FALSE;
    switch (entry->nSig) {
    case AfxSig::vv:
        (this->*entry->pfn_vv)();
        return TRUE;
    case AfxSig::vwl:
        (this->*entry->pfn_vwl)(static_cast<UINT>(wParam), lParam);
        return TRUE;
    case AfxSig::hv:
        *result = reinterpret_cast<LRESULT>((this->*entry->pfn_hv)());
        return TRUE;
    case AfxSig::End:
        break;
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (OnCmdMsg(id, code)) return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_hWnd != nullptr ? m_hWnd->DefaultProc(message, wParam, lParam) : 0;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_currentMessage.message, g_currentMessage.wParam,
                         g_currentMessage.lParam);
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}

CWnd* CWnd::GetDlgItem(int id) const
{
    DialogWindow* dialog = m_hWnd != nullptr ? m_hWnd->AsDialog() : nullptr;
    HWND__* control = dialog != nullptr ? dialog->FindControl(id) : nullptr;
    return control != nullptr ? &control->Target() : nullptr;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd != nullptr && m_hWnd->widget != nullptr && m_hWnd->widget->isMinimized();
}

void CWnd::GetClientRect(LPRECT rect) const
{
    const QWidget* widget = m_hWnd != nullptr ? m_hWnd->widget : nullptr;
    *rect = RECT{0, 0, widget != nullptr ? widget->width() : 0,
                 widget != nullptr ? widget->height() : 0};
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const
{
    DialogWindow* dialog = m_hWnd != nullptr ? m_hWnd->AsDialog() : nullptr;
    if (dialog == nullptr || !dialog->hasSystemMenu) return nullptr;
    if (revert) {
        dialog->systemMenuEntries.entries = HMENU__::StandardSystemMenu();
        return nullptr;
    }
    return &dialog->systemMenu;
}

void CWnd::DoDataExchange(CDataExchange*) {}
