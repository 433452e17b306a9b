#pragma once

#include <string_view>

// Writes bytes to the file at path (UTF-8) through a temporary file in the same folder, renamed
// over path once it is complete, so that a failure never leaves a partial file and never touches
// a file already there. False when any step failed; the temporary file is then removed.
bool WriteFileReplacing(std::string_view path, std::string_view bytes);
