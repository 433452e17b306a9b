#pragma once

// Writing a file whole or not at all. The text goes to a new temporary file beside the target,
// which is flushed to the disk and only then renamed over the target: whatever fails (a folder
// that does not exist or vanished, no permission, a full disk, a file size limit, no memory),
// the target keeps its old contents and no temporary file is left. A symbolic link is followed:
// the file it names is replaced and the link stays. A pipe, a device or any other file that is
// neither a regular file nor a folder is written straight through, as it is, at its end; so is a
// file named through /proc (/dev/stdout redirected to a file). Free of any toolkit.

#include <functional>
#include <string>
#include <string_view>
#include <system_error>

// Why a file could not be written.
enum class FileWriteError {
    None,
    NoFolder,       // the folder does not exist
    NoPermission,   // the folder or file may not be written
    OtherOwner,     // replacing the file would change its owner or group, which this user may not restore
    IsFolder,       // the target is a folder
    NotRegular,     // the target is neither a file nor a folder, and takes no writing (a socket)
    NoSpace,        // the disk (or the user's quota) is full
    TooLarge,       // the file would pass the size the system allows
    ReadOnly,       // the file system is read-only
    NameTooLong,    // the name or the whole path is longer than the system takes
    InvalidName,    // the name is not valid UTF-8 text
    TooManyLinks,   // a chain of symbolic links too long, or a loop
    InUse,          // the system says the file is busy (EBUSY, ETXTBSY)
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
// when everything was written, and only when its user may write it; it keeps its permissions and
// (on POSIX systems) its owner and group, or is refused (OtherOwner) when they cannot be kept.
// On POSIX systems SIGXFSZ and SIGPIPE are held in the calling thread while it writes, so that a
// file size limit or a pipe without reader is a failure (TooLarge, Other) and not the end of the
// process. Exceptions of contents other than std::bad_alloc remove the temporary file and are
// rethrown.
FileWriteOutcome WriteFileAtomically(const std::string& path, const FileContents& contents);
