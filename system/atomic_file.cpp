#include "system/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <new>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

namespace fs = std::filesystem;

namespace {

// Links followed at most, as Linux does.
constexpr int kMostLinks = 40;
constexpr std::size_t kBufferSize = 1 << 20;

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
    using std::errc;
    if (reason == errc::no_such_file_or_directory || reason == errc::not_a_directory) return FileWriteError::NoFolder;
    if (reason == errc::permission_denied || reason == errc::operation_not_permitted)
        return FileWriteError::NoPermission;
    if (reason == errc::is_a_directory) return FileWriteError::IsFolder;
    if (reason == errc::no_such_device_or_address || reason == errc::no_such_device) return FileWriteError::NotRegular;
    if (reason == errc::no_space_on_device) return FileWriteError::NoSpace;
#ifdef EDQUOT
    if (reason == std::error_condition(EDQUOT, std::generic_category())) return FileWriteError::NoSpace;
#endif
    if (reason == errc::file_too_large) return FileWriteError::TooLarge;
    if (reason == errc::read_only_file_system) return FileWriteError::ReadOnly;
    if (reason == errc::filename_too_long) return FileWriteError::NameTooLong;
    if (reason == errc::illegal_byte_sequence) return FileWriteError::InvalidName;
    if (reason == errc::too_many_symbolic_link_levels) return FileWriteError::TooManyLinks;
    if (reason == errc::device_or_resource_busy || reason == errc::text_file_busy) return FileWriteError::InUse;
    if (reason == errc::not_enough_memory) return FileWriteError::NoMemory;
    return FileWriteError::Other;
}

FileWriteOutcome Failure(std::error_code reason)
{
    return {Classify(reason), reason};
}

FileWriteOutcome Failure(std::errc reason)
{
    return Failure(std::make_error_code(reason));
}

// ---- The system's files, by descriptor

#ifdef _WIN32
int OpenForWriting(const fs::path& path, bool createNew)
{
    int descriptor = -1;
    const int flags = _O_WRONLY | _O_BINARY | (createNew ? _O_CREAT | _O_EXCL : _O_APPEND);
    errno = _wsopen_s(&descriptor, path.c_str(), flags, _SH_DENYNO, _S_IREAD | _S_IWRITE);
    return descriptor;
}
long WriteSome(int descriptor, const char* data, std::size_t size)
{
    return _write(descriptor, data, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
int SyncToDisk(int descriptor)
{
    return _commit(descriptor);
}
int CloseFile(int descriptor)
{
    return _close(descriptor);
}
std::uint64_t ProcessNumber()
{
    return static_cast<std::uint64_t>(_getpid());
}
#else
int OpenForWriting(const fs::path& path, bool createNew)
{
    const int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY | (createNew ? O_CREAT | O_EXCL : O_APPEND);
    int descriptor;
    do {
        descriptor = open(path.c_str(), flags, 0666);
    } while (descriptor < 0 && errno == EINTR);   // a pipe's open waits for its reader
    return descriptor;
}
long WriteSome(int descriptor, const char* data, std::size_t size)
{
    return static_cast<long>(write(descriptor, data, size));
}
int SyncToDisk(int descriptor)
{
    return fsync(descriptor);
}
int CloseFile(int descriptor)
{
    return close(descriptor);
}
std::uint64_t ProcessNumber()
{
    return static_cast<std::uint64_t>(getpid());
}

// Holds SIGXFSZ and SIGPIPE in this thread while alive, so that a write past the file size limit
// fails with EFBIG and one to a pipe without reader with EPIPE; those raised meanwhile are
// taken, not delivered later.
class SignalsHeld {
public:
    SignalsHeld()
    {
        sigemptyset(&m_held);
        sigaddset(&m_held, SIGXFSZ);
        sigaddset(&m_held, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_held, &m_before);
    }
    ~SignalsHeld()
    {
        sigset_t pending;
        sigpending(&pending);
        for (const int signal : {SIGXFSZ, SIGPIPE}) {
            if (sigismember(&m_before, signal) || !sigismember(&pending, signal)) continue;
            sigset_t one;
            sigemptyset(&one);
            sigaddset(&one, signal);
            const timespec now{};
            sigtimedwait(&one, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &m_before, nullptr);
    }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t m_held{};
    sigset_t m_before{};
};
#endif

// Gathers the pieces into large writes; a failed write throws WriteFailed.
class Output {
public:
    explicit Output(int descriptor) : m_descriptor(descriptor) { m_buffer.reserve(kBufferSize); }

    void Put(std::string_view piece)
    {
        if (m_buffer.size() + piece.size() <= kBufferSize) {
            m_buffer.append(piece);
            return;
        }
        Flush();
        if (piece.size() < kBufferSize)
            m_buffer.append(piece);
        else
            WriteAll(piece);
    }
    void Flush()
    {
        WriteAll(m_buffer);
        m_buffer.clear();
    }

private:
    void WriteAll(std::string_view bytes) const
    {
        while (!bytes.empty()) {
            errno = 0;
            const long written = WriteSome(m_descriptor, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) throw WriteFailed{LastSystemError()};
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    int m_descriptor;
    std::string m_buffer;
};

// Writes all of contents to descriptor; the reason it failed, if it did. Exceptions of contents
// other than std::bad_alloc go through.
std::error_code WriteContents(int descriptor, const FileContents& contents)
{
    try {
        Output output(descriptor);
        contents([&output](std::string_view piece) { output.Put(piece); });
        output.Flush();
        return {};
    } catch (const WriteFailed& failed) {
        return failed.reason;
    } catch (const std::bad_alloc&) {
        return std::make_error_code(std::errc::not_enough_memory);
    }
}

// ---- The target

fs::path PathFromUtf8(const std::string& path)
{
    return fs::path(std::u8string(path.begin(), path.end()));
}

// Follows the symbolic links from path to the file the last one names (which need not exist);
// an error only for a chain longer than kMostLinks or a link that cannot be read. openFile is
// set when the chain passes through /proc, whose links name files a process has open
// (/dev/stdout), not places to put a new file.
std::error_code FollowLinks(fs::path& path, bool& openFile)
{
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        std::error_code reason;
        openFile = openFile || path.native().starts_with(fs::path("/proc/").native());
        if (!fs::is_symlink(fs::symlink_status(path, reason))) return {};
        const fs::path next = fs::read_symlink(path, reason);
        if (reason) return reason;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Short and of one length whatever the target's name, so that any name the file system takes
// can be replaced: ".zl" and 12 hexadecimal digits, different for each process and attempt.
std::string TemporaryName()
{
    static std::atomic<std::uint64_t> attempts{0};
    std::uint64_t x = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (ProcessNumber() << 40) ^ (attempts.fetch_add(1) * 0x9E3779B97F4A7C15ULL);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    x ^= x >> 31;
    std::string name = ".zl";
    for (int digit = 11; digit >= 0; --digit) name += "0123456789abcdef"[(x >> (4 * digit)) & 0xF];
    return name + ".tmp";
}

// A new file beside a target, removed again unless it was renamed over the target.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (m_descriptor >= 0) CloseFile(m_descriptor);
        std::error_code ignored;
        if (!m_path.empty()) fs::remove(m_path, ignored);
    }

    std::error_code Create(const fs::path& target)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = target;
            m_path.replace_filename(TemporaryName());
            m_descriptor = OpenForWriting(m_path, true);
            if (m_descriptor >= 0) return {};
            const std::error_code reason = LastSystemError();
            if (reason != std::errc::file_exists) {
                m_path.clear();
                return reason;
            }
        }
        m_path.clear();
        return std::make_error_code(std::errc::file_exists);
    }
    int Descriptor() const { return m_descriptor; }

    // Flushes the file to the disk, so that the rename never publishes a file whose contents a
    // crash could still lose, closes it and renames it over target.
    std::error_code Publish(const fs::path& target)
    {
        errno = 0;
        if (SyncToDisk(m_descriptor) != 0) return LastSystemError();
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        errno = 0;
        if (CloseFile(descriptor) != 0) return LastSystemError();
        std::error_code reason;
        fs::rename(m_path, target, reason);
        if (!reason) m_path.clear();
        return reason;
    }

private:
    fs::path m_path;
    int m_descriptor = -1;
};

#ifdef _WIN32
bool MayWrite(const fs::path& target)
{
    std::error_code ignored;
    return (fs::status(target, ignored).permissions() & fs::perms::owner_write) != fs::perms::none;
}

// Windows files keep no more than a read-only flag, and a read-only target is refused before.
FileWriteOutcome TakeOver(int, const fs::path&)
{
    return {};
}
#else
bool MayWrite(const fs::path& target)
{
    return faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 || errno != EACCES;
}

// Gives the temporary file the owner, group and mode of target, an existing regular file; the
// owner and group first, since changing them may clear the set-user and set-group bits.
FileWriteOutcome TakeOver(int descriptor, const fs::path& target)
{
    struct stat existing {};
    struct stat mine {};
    if (stat(target.c_str(), &existing) != 0 || fstat(descriptor, &mine) != 0) return Failure(LastSystemError());
    if ((mine.st_uid != existing.st_uid || mine.st_gid != existing.st_gid) &&
        fchown(descriptor, existing.st_uid, existing.st_gid) != 0) {
        if (errno == EPERM) return {FileWriteError::OtherOwner, LastSystemError()};
        return Failure(LastSystemError());
    }
    if (fchmod(descriptor, existing.st_mode & 07777) != 0) return Failure(LastSystemError());
    return {};
}
#endif

// A pipe, a device or an open file: opened as it is and written at its end, with no temporary
// file.
FileWriteOutcome WriteThrough(const fs::path& target, const FileContents& contents)
{
    const int descriptor = OpenForWriting(target, false);
    if (descriptor < 0) return Failure(LastSystemError());
    std::error_code reason;
    try {
        reason = WriteContents(descriptor, contents);
    } catch (...) {
        CloseFile(descriptor);
        throw;
    }
    errno = 0;
    if (CloseFile(descriptor) != 0 && !reason) reason = LastSystemError();
    return reason ? Failure(reason) : FileWriteOutcome{};
}

FileWriteOutcome WriteBeside(const fs::path& target, bool replacing, const FileContents& contents)
{
    TemporaryFile temporary;
    if (const std::error_code reason = temporary.Create(target)) return Failure(reason);
    if (replacing) {
        const FileWriteOutcome taken = TakeOver(temporary.Descriptor(), target);
        if (!taken.ok()) return taken;
    }
    std::error_code reason = WriteContents(temporary.Descriptor(), contents);
    if (!reason) reason = temporary.Publish(target);
    return reason ? Failure(reason) : FileWriteOutcome{};
}

}  // namespace

FileWriteOutcome WriteFileAtomically(const std::string& path, const FileContents& contents)
{
#ifndef _WIN32
    const SignalsHeld held;
#endif
    fs::path target;
    try {
        target = PathFromUtf8(path);
    } catch (const fs::filesystem_error&) {   // Windows: no UTF-16 form
        return Failure(std::errc::illegal_byte_sequence);
    }
    // What the system reaches through any links: a pipe named by a link that is no path
    // (/dev/stdout, whose /proc link reads "pipe:[...]") is written through that name.
    std::error_code ignored;
    const fs::file_status existing = fs::status(target, ignored);
    if (fs::is_directory(existing)) return Failure(std::errc::is_a_directory);
    if (fs::exists(existing) && !fs::is_regular_file(existing)) return WriteThrough(target, contents);
    fs::path resolved = target;
    bool openFile = false;
    if (const std::error_code reason = FollowLinks(resolved, openFile)) return Failure(reason);
    if (openFile && fs::exists(existing)) return WriteThrough(target, contents);
    target = resolved;
    const bool replacing = fs::is_regular_file(existing);
    if (replacing && !MayWrite(target)) return Failure(std::errc::permission_denied);
    return WriteBeside(target, replacing, contents);
}
