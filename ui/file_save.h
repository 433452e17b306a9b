#pragma once

// What the dialogs' saves to a file share: telling a file's type by its extension, and telling
// the user why a file could not be written.

#include "afxwin.h"
#include "system/atomic_file.h"

#include <string>

// True when path ends with extension (".csv"), whatever the case of its ASCII letters.
bool HasExtension(const std::string& path, const char* extension);

// Shows string resource messageId in a warning box, %1 replaced by path and %2 by why the write
// failed (FileWriteReasonText).
void ReportFileWriteFailure(UINT messageId, const std::string& path, const FileWriteOutcome& outcome);
