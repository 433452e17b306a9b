#pragma once

// Windows, menus and paint contexts.

#include "afx_msgmap.h"
#include "afx_string.h"
#include "afx_types.h"

#include <memory>
#include <string>
#include <vector>

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

// A menu: the system menu of a window, or a menu resource loaded to be shown as a popup.
class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    // Destroys the menu LoadMenu made; a system menu stays with its window.
    ~CMenu();

    HMENU m_hMenu = nullptr;

    // Makes the menu of resource id (res/zelmara.rc) this object's, to be destroyed with it.
    // FALSE when this object has a menu already, or (after an error naming it) when the
    // resources have no such menu.
    BOOL LoadMenu(UINT id);
    // Destroys the menu LoadMenu made; FALSE when there is none.
    BOOL DestroyMenu();
    // The popup at position (0 for the first entry), or nullptr when that entry is no popup.
    // The object belongs to this one.
    CMenu* GetSubMenu(int position) const;
    // Sets an entry's state, MF_ENABLED, MF_GRAYED or MF_DISABLED, with MF_BYCOMMAND (the
    // entry with command id, in any popup) or MF_BYPOSITION. Returns its previous state
    // (MF_ENABLED, MF_GRAYED or MF_DISABLED), or (UINT)-1 when there is no such entry.
    UINT EnableMenuItem(UINT id, UINT enable);
    // Shows the menu as a popup with its top-left corner at the screen position x, y (flags:
    // TPM_LEFTALIGN | TPM_RIGHTBUTTON). The entry chosen is sent to owner as WM_COMMAND once the
    // popup has closed, as a window system posts it. FALSE when there is nothing to show.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

    // Appends an entry at the end: MF_SEPARATOR, or MF_STRING with a command ID and a text in
    // which '&' marks the mnemonic ("\t" starts the shortcut text); MF_GRAYED or MF_DISABLED
    // may be added. FALSE (nothing appended) for any other kind or a string entry with no text.
    BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCTSTR newItem = nullptr);
    // The number of entries, separators included; 0 for no menu.
    UINT GetMenuItemCount() const;

private:
    bool m_loaded = false;
    mutable std::vector<std::unique_ptr<CMenu>> m_subMenus;
};

class CPen;
class CBrush;
class CFont;

// A device context: where a window or an image is painted. Coordinates are whole pixels from
// the context's top-left corner: a one-pixel line through (x, y) covers pixel (x, y), and a
// shape from (x1, y1) to (x2, y2) lies within pixels x1 ... x2 - 1, y1 ... y2 - 1. Edges may be
// smoothed (antialiased) by the backend. The pen, brush, font, text colour and
// alignment chosen are this object's, not the context's: another CDC on the same context starts
// from the defaults (a black one-pixel solid pen, a white brush, a 12-pixel sans-serif font,
// black text, TA_LEFT | TA_TOP).
class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    ~CDC() = default;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }

    // Draws on hDC (WM_DRAWITEM's, say, or an image's) until Detach; FALSE when this object
    // has a context already or hDC is nullptr. The context stays its maker's.
    BOOL Attach(HDC hDC);
    HDC Detach();

    // Draws the icon's 32 pixel image with its top-left corner at x, y. FALSE when there is
    // nothing to draw on or no icon.
    BOOL DrawIcon(int x, int y, HICON icon);

    // Choose what the drawing functions below use, and return the previous choice, only to
    // select it back; nullptr stands for the default. What the object describes is copied when
    // it is selected: changing or destroying it later changes nothing here.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    // Return the previous colour or alignment.
    COLORREF SetTextColor(COLORREF color);
    // One of TA_LEFT, TA_CENTER, TA_RIGHT with one of TA_TOP, TA_BASELINE, TA_BOTTOM.
    UINT SetTextAlign(UINT flags);

    // Fills the pixels from left, top to right - 1, bottom - 1 with color.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    // Joins count points (at least 2) with the pen: round joins and ends.
    BOOL Polyline(const POINT* points, int count);
    // The ellipse within x1, y1 ... x2, y2 (right and bottom edges excluded), filled with the
    // brush and outlined with the pen (nothing with a PS_NULL pen).
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    // The text (UTF-8, one line) in the font and text colour, its alignment point at x, y. Only
    // the glyphs are drawn: what lies behind them shows through.
    BOOL TextOut(int x, int y, const CString& text);

private:
    CPen* m_pen = nullptr;
    CBrush* m_brush = nullptr;
    CFont* m_font = nullptr;
    int m_penStyle = PS_SOLID;
    int m_penWidth = 1;
    COLORREF m_penColor = RGB(0, 0, 0);
    COLORREF m_brushColor = RGB(255, 255, 255);
    LOGFONT m_logFont;
    COLORREF m_textColor = RGB(0, 0, 0);
    UINT m_textAlign = TA_LEFT | TA_TOP;
};

// The paint context of a window while it handles WM_PAINT. Outside WM_PAINT it has no device
// (GetSafeHdc() is nullptr) and drawing does nothing.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();

private:
    HWND m_window;
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
