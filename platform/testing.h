#pragma once

// Test-support header of the framework layer; it exposes Qt: never include it from ui/ or app/.
// Tests and benches include it as "testing.h"; the program's code sees the layer through
// afxwin.h and afxcmn.h alone, which carry no Qt type.
//
// Driving a modal dialog: queue a driver with WhenNextDialogShown before DoModal; the driver
// runs inside the dialog's modal loop once it is shown, and may press keys and click (QTest),
// end the dialog, or queue a driver for a dialog it opens in turn. A dialog still open when its
// driver returns is ended with kDriverLeftDialogOpen, so that a test never hangs.

#include "afxwin.h"

#include <QApplication>
#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform_testing {

// Starts Qt as AfxWinMain does (Spanish translations and default locale) without calling
// InitInstance. Keep the result alive for the whole test program.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

// Message boxes: one shown through AfxMessageBox.
struct MessageBoxCall {
    std::string text;
    std::string caption;
    UINT type = 0;
};

// While alive, every message box is recorded instead of shown and answered with answer.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
    ~MessageBoxRecorder();

    const std::vector<MessageBoxCall>& Calls() const { return m_calls; }

private:
    std::vector<MessageBoxCall> m_calls;
};

// Modal loops.
inline constexpr int kDriverLeftDialogOpen = -2;
void WhenNextDialogShown(std::function<void(CDialog& dialog)> driver);
// The drivers queued and not yet taken by a dialog.
int PendingDialogDrivers();
// Drops every queued driver.
void ClearDialogDrivers();

// The widgets behind windows, while the dialog runs: nullptr when there is none. Controls are
// named "control_<ID>" (statics without an ID "static_<template index>"), dialogs
// "dialog_<template ID>".
QWidget* WidgetOf(const CWnd& window);
QDialog* DialogOf(const CWnd& dialog);
QWidget* ControlOf(const CWnd& dialog, int id);

// The system menu as the popup shows it.
struct SystemMenuEntry {
    std::string text;   // with its '&' and "\t" shortcut text
    UINT id = 0;        // 0 for a separator
    bool separator = false;
    bool enabled = true;
    bool operator==(const SystemMenuEntry&) const = default;
};
std::vector<SystemMenuEntry> SystemMenuEntries(const CWnd& dialog);
// Chooses the entry with command id as the popup does: WM_SYSCOMMAND through the message map.
// False when the menu has no enabled entry with that id.
bool ChooseSystemMenuEntry(CWnd& dialog, UINT id);

// The window as it is painted now.
QImage GrabWindow(const CWnd& window);

}  // namespace platform_testing
