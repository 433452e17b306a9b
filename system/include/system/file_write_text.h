#pragma once

// Why a file could not be written, in the words the user reads: one place for the command
// line's line and the window's message box.

#include "system/atomic_file.h"

#include <string>

// The reason of a failed write in Spanish, in lower case and without a final stop, to follow
// a colon ("la carpeta no existe"); Other names the system's error number.
std::string FileWriteReasonText(const FileWriteOutcome& outcome);
