#include "system/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Thrown from inside contents when a write fails, to stop it.
struct WriteFailed {
    std::error_code reason;
};

std::error_code LastSystemError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

FileWriteError Classify(std::error_code reason)
{
    if (reason == std::errc::no_such_file_or_directory || reason == std::errc::not_a_directory)
        return FileWriteError::NoFolder;
    if (reason == std::errc::permission_denied || reason == std::errc::operation_not_permitted)
        return FileWriteError::NoPermission;
    if (reason == std::errc::is_a_directory) return FileWriteError::IsFolder;
    if (reason == std::errc::no_space_on_device) return FileWriteError::NoSpace;
#ifdef EDQUOT
    if (reason == std::error_condition(EDQUOT, std::generic_category())) return FileWriteError::NoSpace;
#endif
    if (reason == std::errc::file_too_large) return FileWriteError::TooLarge;
    if (reason == std::errc::read_only_file_system) return FileWriteError::ReadOnly;
    if (reason == std::errc::not_enough_memory) return FileWriteError::NoMemory;
    return FileWriteError::Other;
}

FileWriteOutcome Failure(std::error_code reason)
{
    return {Classify(reason), reason};
}

fs::path PathFromUtf8(const std::string& path)
{
    return fs::path(std::u8string(path.begin(), path.end()));
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Creates a file that did not exist (never an existing one), for writing.
File CreateNew(const fs::path& path)
{
#ifdef _WIN32
    // The older C runtimes know no "x" mode.
    int descriptor = -1;
    if (_wsopen_s(&descriptor, path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYNO,
                  _S_IREAD | _S_IWRITE) != 0)
        return nullptr;
    File file(_fdopen(descriptor, "wb"));
    if (file == nullptr) _close(descriptor);
    return file;
#else
    return File(std::fopen(path.c_str(), "wbx"));
#endif
}

// Flushes the file's data to the disk, so that the rename never publishes a file whose
// contents a crash could still lose.
bool SyncToDisk(std::FILE* file)
{
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// A new file beside target, named after it: ".name.<number>.tmp".
File CreateTemporaryBeside(const fs::path& target, fs::path& temporary, std::error_code& reason)
{
    static std::atomic<unsigned> counter{0};
    const auto clock = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned long long number = clock + counter.fetch_add(1) * 7919ULL;
        const std::u8string targetName = target.filename().u8string();
        std::string name(1, '.');
        name.append(targetName.begin(), targetName.end());
        name += '.';
        name += std::to_string(number % 1000000007ULL);
        name += ".tmp";
        temporary = target;
        temporary.replace_filename(PathFromUtf8(name));
        errno = 0;
        File file = CreateNew(temporary);
        if (file != nullptr) return file;
        reason = LastSystemError();
        if (reason != std::errc::file_exists) return nullptr;
    }
    return nullptr;
}

// Closes file and renames temporary over target; the reason of the first failure, if any.
std::error_code Publish(File file, const fs::path& temporary, const fs::path& target)
{
    errno = 0;
    if (std::fflush(file.get()) != 0 || !SyncToDisk(file.get())) return LastSystemError();
    errno = 0;
    if (std::fclose(file.release()) != 0) return LastSystemError();
    std::error_code reason;
    const fs::file_status existing = fs::status(target, reason);
    if (fs::is_regular_file(existing))
        fs::permissions(temporary, existing.permissions(), fs::perm_options::replace, reason);
    reason.clear();
    fs::rename(temporary, target, reason);
    return reason;
}

}  // namespace

FileWriteOutcome WriteFileAtomically(const std::string& path, const FileContents& contents)
{
    const fs::path target = PathFromUtf8(path);
    std::error_code reason;
    if (fs::is_directory(target, reason)) return Failure(std::make_error_code(std::errc::is_a_directory));

    fs::path temporary;
    File file = CreateTemporaryBeside(target, temporary, reason);
    if (file == nullptr) return Failure(reason);

    std::setvbuf(file.get(), nullptr, _IOFBF, 1 << 20);
    const auto write = [&file](std::string_view piece) {
        errno = 0;
        if (std::fwrite(piece.data(), 1, piece.size(), file.get()) != piece.size())
            throw WriteFailed{LastSystemError()};
    };
    try {
        contents(write);
        reason = Publish(std::move(file), temporary, target);
    } catch (const WriteFailed& failed) {
        reason = failed.reason;
    } catch (const std::bad_alloc&) {
        reason = std::make_error_code(std::errc::not_enough_memory);
    } catch (...) {
        file.reset();
        fs::remove(temporary, reason);
        throw;
    }
    if (!reason) return {};
    file.reset();
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Failure(reason);
}
