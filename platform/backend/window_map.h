#pragma once

// Which window object each window is attached to, and the little the framework keeps per
// window while it exists: a temporary object for GetDlgItem, the CMenu of its system menu, and
// the state of a dialog's modal run. Backends deliver a window's messages through it and tell
// it when a window goes. Free of any toolkit.

#include "afxwin.h"

namespace window_map {

// The object attached to window, or nullptr.
CWnd* AttachedObject(HWND window);

// Attaches object to window; false when either already has another partner.
bool Attach(HWND window, CWnd& object);
// Detaches object from window when it is the one attached.
void Detach(HWND window, const CWnd& object);

// The attached object, or else a temporary one kept until the window goes.
CWnd& ObjectFor(HWND window);

// The CMenu that wraps menu as window's system menu, kept until the window goes.
CMenu& SystemMenuObject(HWND window, HMENU menu);

// A modal run's state: an exchange met a missing or unattachable control (the dialog must not
// run), and EndDialog has been called.
void MarkExchangeBroken(HWND dialog);
bool ExchangeBroken(HWND dialog);
void MarkEnded(HWND dialog);
bool Ended(HWND dialog);

// The window is gone: its object is detached and what was kept for it is dropped.
void Forget(HWND window);

// Processes message for window: the attached object's WindowProc (its message map, then the
// standard processing), or the standard processing alone when none is attached.
LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace window_map
