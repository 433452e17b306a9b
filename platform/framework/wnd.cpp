#include "afxwin.h"

#include "backend/backend.h"
#include "backend/window_map.h"

#include <utility>

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
    if (m_hWnd != nullptr || !window_map::Attach(hWnd, *this)) return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) window_map::Detach(hWnd, *this);
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == nullptr) return 0;
    return backend::Send(m_hWnd, message, wParam, lParam);
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
    if (message == WM_NOTIFY) return OnNotify(wParam, lParam, result);
    // F1: the help command, along this window's command route.
    if (message == WM_HELP) return OnCommand(MAKEWPARAM(ID_HELP, 0), 0);

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
    case AfxSig::vOWNER:
        (this->*entry->pfn_vOWNER)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    case AfxSig::vWp: {
        // The window is named by its handle; the position is two signed 16-bit halves.
        CWnd* window = wParam != 0 ? &window_map::ObjectFor(reinterpret_cast<HWND>(wParam)) : nullptr;
        const CPoint point(static_cast<short>(LOWORD(static_cast<UINT_PTR>(lParam))),
                           static_cast<short>(HIWORD(static_cast<UINT_PTR>(lParam))));
        (this->*entry->pfn_vWp)(window, point);
        return TRUE;
    }
    case AfxSig::vNMHDRpl:   // found by OnNotify alone
    case AfxSig::End:
        break;
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    constexpr UINT kFromAccelerator = 1;
    const UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    if (code == kFromAccelerator && lParam == 0) code = 0;
    if (OnCmdMsg(id, code)) return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr) return FALSE;
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), WM_NOTIFY, header->code,
                                                        static_cast<UINT>(header->idFrom));
    if (entry == nullptr || entry->nSig != AfxSig::vNMHDRpl) return FALSE;
    (this->*entry->pfn_notify)(header, result);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_hWnd != nullptr ? backend::DefaultProcessing(m_hWnd, message, wParam, lParam) : 0;
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

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT)
{
    Default();
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}

CWnd* CWnd::GetDlgItem(int id) const
{
    const HWND control = m_hWnd != nullptr ? backend::FindControl(m_hWnd, id) : nullptr;
    return control != nullptr ? &window_map::ObjectFor(control) : nullptr;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text)
{
    const HWND control = m_hWnd != nullptr ? backend::FindControl(m_hWnd, id) : nullptr;
    if (control != nullptr) backend::SetText(control, text != nullptr ? text : "");
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    const HWND control = m_hWnd != nullptr ? backend::FindControl(m_hWnd, id) : nullptr;
    text = CString(control != nullptr ? backend::Text(control) : std::string());
    return text.GetLength();
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    const HWND control = m_hWnd != nullptr ? backend::FindControl(m_hWnd, id) : nullptr;
    if (control != nullptr) backend::SetButtonChecked(control, check == BST_CHECKED);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    const HWND control = m_hWnd != nullptr ? backend::FindControl(m_hWnd, id) : nullptr;
    return control != nullptr && backend::IsButtonChecked(control) ? BST_CHECKED : BST_UNCHECKED;
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (m_hWnd == nullptr) return FALSE;
    const bool wasDisabled = !backend::IsControlEnabled(m_hWnd);
    backend::EnableControl(m_hWnd, enable != FALSE);
    return wasDisabled ? TRUE : FALSE;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd != nullptr && backend::IsControlEnabled(m_hWnd) ? TRUE : FALSE;
}

void CWnd::Invalidate(BOOL)
{
    if (m_hWnd != nullptr) backend::InvalidateWindow(m_hWnd);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd != nullptr && backend::IsMinimized(m_hWnd);
}

void CWnd::GetClientRect(LPRECT rect) const
{
    *rect = m_hWnd != nullptr ? backend::ClientRect(m_hWnd) : RECT{0, 0, 0, 0};
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    *rect = m_hWnd != nullptr ? backend::WindowRect(m_hWnd) : RECT{0, 0, 0, 0};
}

BOOL CWnd::SetClipboardText(std::string text)
{
    return m_hWnd != nullptr && backend::SetClipboardText(m_hWnd, std::move(text)) ? TRUE : FALSE;
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const
{
    if (m_hWnd == nullptr) return nullptr;
    const HMENU menu = backend::SystemMenu(m_hWnd, revert != FALSE);
    return menu != nullptr ? &window_map::SystemMenuObject(m_hWnd, menu) : nullptr;
}

void CWnd::DoDataExchange(CDataExchange*) {}
