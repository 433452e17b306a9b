#pragma once

// The two points where tests step in: the function every message box goes through, and the
// drivers run inside the modal loop of the next dialogs shown.

#include "afxwin.h"

#include <deque>
#include <functional>
#include <string>

namespace platform_hooks {

// Shows a message box: text, caption, MB_ style; returns the button chosen.
using MessageBoxFunction = std::function<int(const std::string& text, const std::string& caption,
                                             UINT type)>;
// When set, message boxes go to it instead of being shown.
MessageBoxFunction& MessageBoxOverride();

// Taken one by one, oldest first, by the dialogs that start their modal loops.
using DialogDriver = std::function<void(CDialog& dialog)>;
std::deque<DialogDriver>& PendingDialogDrivers();

}  // namespace platform_hooks
