#pragma once

// Test support that only the Qt backend has; it exposes Qt: never include it from ui/ or app/.
// What every backend offers is in test_driver.h; this adds the widgets behind the windows and
// pictures of them, for the checks that only Qt can make.

#include "afxwin.h"

#include <QDialog>
#include <QImage>

namespace platform_testing {

// The widgets behind windows, while the dialog runs: nullptr when there is none. Controls are
// named "control_<ID>" (statics without an ID "static_<template index>"), dialogs
// "dialog_<template ID>".
QWidget* WidgetOf(const CWnd& window);
QDialog* DialogOf(const CWnd& dialog);
QWidget* ControlOf(const CWnd& dialog, int id);

// The window as it is painted now.
QImage GrabWindow(const CWnd& window);

}  // namespace platform_testing
