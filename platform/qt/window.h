#pragma once

// What a window handle points to: a Qt widget with its control ID and the window object that
// receives its messages. Dialogs and list views extend it.

#include "afxwin.h"

#include <memory>
#include <string>
#include <string_view>

class QWidget;
struct DialogWindow;
struct ListWindow;

struct HWND__ {
    HWND__() = default;
    HWND__(const HWND__&) = delete;
    HWND__& operator=(const HWND__&) = delete;
    // Detaches the window objects still attached.
    virtual ~HWND__();

    QWidget* widget = nullptr;   // owned by the dialog's widget tree
    int controlId = 0;
    CWnd* attached = nullptr;    // set by CWnd::Attach

    // The object that receives this window's messages: the attached one, else one kept here.
    CWnd& Target();

    // The standard processing of message for this kind of window; the base does nothing.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual DialogWindow* AsDialog() { return nullptr; }
    virtual ListWindow* AsList() { return nullptr; }

private:
    std::unique_ptr<CWnd> m_temporary;
};

// The window's text (UTF-8): an edit's contents, a label's or button's caption, a title.
std::string WindowText(const HWND__& window);
void SetWindowTextOf(HWND__& window, std::string_view text);
