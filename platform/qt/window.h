#pragma once

// What a window handle points to in the Qt backend: a widget with its control ID. Dialogs and
// list views extend it.

#include "afxwin.h"

#include <string>
#include <string_view>

class QWidget;
struct DialogWindow;
struct ListWindow;

struct HWND__ {
    HWND__() = default;
    HWND__(const HWND__&) = delete;
    HWND__& operator=(const HWND__&) = delete;
    virtual ~HWND__() = default;

    QWidget* widget = nullptr;   // owned by the dialog's widget tree
    int controlId = 0;

    // The standard processing of message for this kind of window; the base does nothing.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual DialogWindow* AsDialog() { return nullptr; }
    virtual ListWindow* AsList() { return nullptr; }
};
