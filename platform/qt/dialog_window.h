#pragma once

// A dialog's window in the Qt backend: its Qt dialog, its controls in template order, its system
// menu, icons and the state of its modal run.

#include "backend/backend.h"
#include "resource_script/resource_script.h"
#include "system_menu.h"
#include "window.h"

#include <QPoint>
#include <Qt>

#include <memory>
#include <vector>

class DialogWidget;
class QEventLoop;
class QPaintEvent;

struct DialogWindow final : HWND__ {
    // hasSystemMenu: the template's WS_SYSMENU (a system menu and a close box).
    DialogWindow(int templateId, bool hasSystemMenu);
    // Forgets every window (window_map::Forget), then deletes the widgets and the controls.
    ~DialogWindow() override;

    const int templateId;
    const bool hasSystemMenu;
    std::vector<std::unique_ptr<HWND__>> controls;   // in template order
    HMENU__ systemMenu;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    QPaintEvent* currentPaint = nullptr;   // set while the dialog's surface is painted
    std::vector<resource::Accelerator> accelerators;   // from UseAcceleratorTable

    QEventLoop* loop = nullptr;
    int result = IDCANCEL;
    bool ended = false;

    // The Qt dialog; only once SetDialog has given it.
    DialogWidget& Dialog() const;
    // Takes the Qt dialog and makes it this window's widget; called once, before the controls.
    void SetDialog(std::unique_ptr<DialogWidget> dialog);

    // The control with ID id, or nullptr.
    HWND__* FindControl(int id) const;

    // Gives the focus to the first enabled tab stop, with an edit's text selected.
    void FocusFirstTabStop();

    // Shows the system menu as a popup at globalPosition; a chosen entry is sent as
    // WM_SYSCOMMAND once the popup has closed.
    void PopupSystemMenu(QPoint globalPosition);

    // A key pressed in the dialog: sends the command of the accelerator it matches and returns
    // true, or returns false when it matches none.
    bool TranslateAccelerator(int qtKey, Qt::KeyboardModifiers modifiers);

    // Shows the dialog, lets site know once its modal loop runs, and runs the loop until
    // EndModalDialog. Returns the dialog's result.
    int RunModal(backend::ModalDialogSite& site);

    // WM_SYSCOMMAND SC_CLOSE -> WM_CLOSE -> WM_COMMAND IDCANCEL, SC_MINIMIZE and SC_RESTORE
    // minimise and restore; WM_PAINT paints as Qt does;
    // WM_SETICON sets the window icon; WM_ICONERASEBKGND fills the background.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DialogWindow* AsDialog() override { return this; }

private:
    void UpdateWindowIcon();
    std::unique_ptr<DialogWidget> m_dialog;
};
