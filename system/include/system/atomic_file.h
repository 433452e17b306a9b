#pragma once

// Writing a file whole or not at all. The text goes to a new temporary file beside the target,
// which is flushed to the disk and only then renamed over the target: whatever fails (a folder
// that does not exist or vanished, no permission, a full disk, a file size limit, no memory),
// the target keeps its old contents and no temporary file is left. Free of any toolkit.

#include <functional>
#include <string>
#include <string_view>
#include <system_error>

// Why a file could not be written.
enum class FileWriteError {
    None,
    NoFolder,       // the folder does not exist
    NoPermission,   // the folder or file may not be written
    IsFolder,       // the target is a folder
    NoSpace,        // the disk (or the user's quota) is full
    TooLarge,       // the file would pass the size the system allows
    ReadOnly,       // the file system is read-only
    NoMemory,       // the contents could not be made
    Other,          // see the system's error code
};

struct FileWriteOutcome {
    FileWriteError error = FileWriteError::None;
    std::error_code systemError;   // the system's reason, when it gave one
    bool ok() const { return error == FileWriteError::None; }
};

// Writes the file's contents with write(piece), in order; may throw std::bad_alloc.
using FileContents = std::function<void(const std::function<void(std::string_view piece)>& write)>;

// Writes the file at path (UTF-8) with what contents writes. An existing file is replaced only
// when everything was written, and keeps its permissions. Exceptions of contents other than
// std::bad_alloc remove the temporary file and are rethrown.
FileWriteOutcome WriteFileAtomically(const std::string& path, const FileContents& contents);
