#pragma once

// The layer's window procedure. Every window of a dialog the layer runs (the dialog and each of
// its controls) is subclassed with it, so that its messages reach the attached object's message
// map (window_map::Deliver) and its standard processing is the window's own procedure. It also
// feeds the list views their rows and tells the framework when a window goes.

#include "backend/backend.h"

class ListView;

namespace layer_window {

// Messages of the layer's own, posted to its windows.
inline constexpr UINT kDialogShown = WM_APP + 0x100;   // to a dialog whose modal loop runs
inline constexpr UINT kPublishRows = WM_APP + 0x101;   // to a list view with rows to publish

// Subclasses window. site: the dialog's modal run, told kDialogShown; list: the list view's
// rows, kept until the window goes.
void Subclass(HWND window, backend::ModalDialogSite* site, std::unique_ptr<ListView> list);

// The list view behind window, or nullptr.
ListView* ListOf(HWND window);

// The window's own procedure for message; DefWindowProcW for a window the layer did not
// subclass.
LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// True while window handles WM_PAINT.
bool Painting(HWND window);

// The accelerator table whose keys reach window as commands while it lives, or nullptr.
void UseAccelerators(HWND window, HACCEL table);
HACCEL AcceleratorsOf(HWND window);

}  // namespace layer_window
