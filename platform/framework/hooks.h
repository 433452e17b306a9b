#pragma once

// The points where tests step in: the functions every message box and file dialog go through, and the drivers run inside the modal loop of the next dialogs shown.

#include "afxwin.h"
#include "backend/backend.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace platform_hooks {

// Shows a message box: text, caption, MB_ style; returns the button chosen.
using MessageBoxFunction = std::function<int(const std::string& text, const std::string& caption,
                                             UINT type)>;
// When set, message boxes go to it instead of being shown.
MessageBoxFunction& MessageBoxOverride();

// Answers a save-file dialog: the file chosen, or nullopt for Cancel.
using SaveFileDialogFunction =
    std::function<std::optional<backend::SaveFileChoice>(const backend::SaveFileRequest& request)>;
// When set, save-file dialogs go to it instead of being shown.
SaveFileDialogFunction& SaveFileDialogOverride();

// Answers an open-file dialog: the file chosen, or nullopt for Cancel.
using OpenFileDialogFunction =
    std::function<std::optional<backend::OpenFileChoice>(const backend::OpenFileRequest& request)>;
// When set, open-file dialogs go to it instead of being shown.
OpenFileDialogFunction& OpenFileDialogOverride();

// Taken one by one, oldest first, by the dialogs that start their modal loops.
using DialogDriver = std::function<void(CDialog& dialog)>;
std::deque<DialogDriver>& PendingDialogDrivers();

// The result a dialog ends with when its driver returned and left it open.
inline constexpr int kDriverLeftDialogOpen = -2;

// Called once dialog (of template templateId) is shown and its modal loop runs: takes the oldest pending driver, if any,
// and runs it. A dialog its driver leaves open is reported, counted, and ended with
// kDriverLeftDialogOpen, so that a test never hangs.
void RunNextDialogDriver(CDialog& dialog, UINT templateId);

// How many dialogs drivers have left open since the count was last reset.
int& DialogsLeftOpenByDrivers();

}  // namespace platform_hooks
