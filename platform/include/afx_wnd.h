#pragma once

// Windows: the object attached to a window, its messages and its state.

#include "afx_msgmap.h"
#include "afx_string.h"
#include "afx_types.h"

#include <string>

class CDataExchange;
class CMenu;

namespace window_map {
LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
}

// A window object. It is attached to a window that the layer made (m_hWnd) or to none; a
// window made from a dialog template lives only while its dialog runs, and the objects
// attached to it are detached when it goes.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Attaches this object to hWnd so that the window's messages reach this object's message
    // map. FALSE when this object already has a window or hWnd already has another object.
    BOOL Attach(HWND hWnd);
    // Detaches this object from its window and returns the window (nullptr when it had none).
    HWND Detach();

    // Processes message at once through this object's message map (then the default
    // processing) and returns the result; 0 when there is no window.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The control with ID id in this dialog, or nullptr when there is none. The object is the
    // one attached to the control, or one the layer keeps while the dialog runs.
    CWnd* GetDlgItem(int id) const;
    // Sets the text of control id: an edit's contents, a static's or button's caption. Nothing
    // happens when there is no such control.
    void SetDlgItemText(int id, LPCTSTR text);
    // The text of control id into text, and its length in bytes; "" and 0 when there is none.
    int GetDlgItemText(int id, CString& text) const;
    // Check box id becomes checked (BST_CHECKED) or not (BST_UNCHECKED), sending no BN_CLICKED;
    // nothing happens when there is no such control.
    void CheckDlgButton(int id, UINT check);
    // BST_CHECKED or BST_UNCHECKED: check box id's state (unchecked when there is none).
    UINT IsDlgButtonChecked(int id) const;

    // Enables or disables the window (a disabled control is greyed and takes no input); TRUE
    // when it was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    // The whole window is painted again once the event loop is idle; erase is always honoured.
    void Invalidate(BOOL erase = TRUE);

    // WM_SETICON: sets the big (32 px) or small (16 px) window icon, returns the previous one.
    HICON SetIcon(HICON icon, BOOL bigIcon);
    BOOL IsIconic() const;
    // The client area: left and top 0, right and bottom its width and height in pixels.
    void GetClientRect(LPRECT rect) const;
    // The window's rectangle on the screen, in pixels.
    void GetWindowRect(LPRECT rect) const;

    // Replaces the clipboard's contents with text (UTF-8) as plain text, this window its owner.
    // The text is moved in, not copied. FALSE when the clipboard cannot be opened or written.
    BOOL SetClipboardText(std::string text);

    // FALSE: the window's own system menu, to which entries may be appended; nullptr for a
    // window that has none (no WS_SYSMENU). TRUE: restores the standard system menu and
    // returns nullptr.
    CMenu* GetSystemMenu(BOOL revert) const;

    // Exchanges the window's fields: controls to members with validation when save is TRUE,
    // members to controls otherwise. Stops at the first field that fails, which alone is
    // reported and gets the focus; FALSE then.
    BOOL UpdateData(BOOL save = TRUE);

protected:
    // The list of field exchanges, in order. The base exchanges nothing.
    virtual void DoDataExchange(CDataExchange* pDX);

    // Message processing: the message map first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Finds and calls the handler of message; TRUE when there was one.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_COMMAND: this object's table chain, then the application object's. A command from an
    // accelerator (notification code 1, no control) is handled as one from a menu (code 0).
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: the ON_NOTIFY entry for the header's code and control ID in this object's
    // table chain; TRUE when there was one.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The standard processing of the window's kind.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The standard processing of the message being handled.
    LRESULT Default();

    // Default handlers: each gives its message the standard processing. SC_CLOSE closes the
    // window (a dialog is cancelled), WM_PAINT paints as usual, WM_QUERYDRAGICON gives the
    // system's choice (none, or a standard icon), WM_DRAWITEM leaves the owner-drawn control
    // blank, WM_CONTEXTMENU goes to the parent window, if any.
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);

    // Backends feed the window's messages to WindowProc through it.
    friend LRESULT window_map::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

#ifndef _WIN32
// The system's sizes: SM_CXICON and SM_CYICON 32, SM_CXSMICON and SM_CYSMICON 16; 0 for others.
// On Windows it is the system's own function.
int GetSystemMetrics(int index);

// The state of VK_SHIFT, VK_CONTROL or VK_MENU (Alt) when the message being handled was made:
// negative (the high bit set) while the key is down. 0 for any other key. On Windows it is the
// system's own function.
SHORT GetKeyState(int virtualKey);
#endif
