// WriteFileAtomically on a real folder: the target is replaced whole or left alone, and no
// temporary file outlives a write; links, pipes and devices stay what they are; a file the
// user may not write, or may not replace without changing its owner, is refused.

#include "system/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <new>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Its own folder: the tests of a program may run at once, in several processes.
        m_folder = fs::temp_directory_path() /
                   ("zelmara-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                    "-" + std::to_string(std::random_device()()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_file = m_folder / fs::path(u8"tabla ñ.tsv");
        std::ofstream(m_file, std::ios::binary) << "old\n";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // The path as the program has it: UTF-8.
    std::string Target() const
    {
        const std::u8string path = m_file.u8string();
        return std::string(path.begin(), path.end());
    }
    std::string TargetText() const
    {
        std::ifstream file(m_file, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    int FilesInFolder() const
    {
        return static_cast<int>(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    fs::path m_folder;
    fs::path m_file;
};

TEST_F(AtomicFileTest, ReplacesTheFileWholeAndKeepsItsPermissions)
{
    fs::permissions(m_file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const FileWriteOutcome outcome = WriteFileAtomically(Target(), [](const auto& write) {
        write("Ángulo\t");
        write(std::string(3 << 20, 'x'));   // more than the write buffer
        write("\n");
    });
    ASSERT_TRUE(outcome.ok()) << outcome.systemError.message();
    EXPECT_EQ(TargetText(), "Ángulo\t" + std::string(3 << 20, 'x') + "\n");
#ifndef _WIN32   // Windows keeps no more than a read-only flag
    EXPECT_EQ(fs::status(m_file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(AtomicFileTest, ContentsThatFailLeaveTheOldFileAndNoTemporaryOne)
{
    const FileWriteOutcome outcome = WriteFileAtomically(Target(), [](const auto& write) {
        write("partial");
        throw std::bad_alloc();
    });
    EXPECT_EQ(outcome.error, FileWriteError::NoMemory);
    EXPECT_THROW(WriteFileAtomically(Target(),
                                     [](const auto& write) {
                                         write("partial");
                                         throw std::runtime_error("stopped");
                                     }),
                 std::runtime_error);
    EXPECT_EQ(TargetText(), "old\n");
    EXPECT_EQ(FilesInFolder(), 1);
}

// A name of the longest length most file systems take (255 bytes, or UTF-16 units on Windows).
TEST_F(AtomicFileTest, TheLongestNameIsWrittenAndReplaced)
{
    m_file = m_folder / (std::string(251, 'n') + ".svg");
    for (const char* text : {"first", "second"}) {
        const FileWriteOutcome outcome = WriteFileAtomically(Target(), [text](const auto& write) { write(text); });
        ASSERT_TRUE(outcome.ok()) << outcome.systemError.message();
        EXPECT_EQ(TargetText(), text);
        EXPECT_EQ(FilesInFolder(), 2);   // with the fixture's own file
    }
}

#ifdef _WIN32
// A read-only file is refused; held open by a program that does not let it be replaced, the
// write fails; either way nothing is left behind and the file keeps its contents.
TEST_F(AtomicFileTest, AReadOnlyOrHeldFileIsLeftAsItWasWithNothingBeside)
{
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "held open");
        SetFileAttributesW(m_file.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        HANDLE held = CreateFileW(m_file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const FileWriteOutcome outcome = WriteFileAtomically(Target(), [](const auto& write) { write("new"); });
        CloseHandle(held);
        EXPECT_FALSE(outcome.ok());
        if (readOnly) {
            EXPECT_EQ(outcome.error, FileWriteError::NoPermission);
        }
        EXPECT_EQ(FilesInFolder(), 1);
        SetFileAttributesW(m_file.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(TargetText(), "old\n");
    }
}
#else
bool IsRoot()
{
    return geteuid() == 0;
}

// Runs check in a child process, as user nobody when this one is root; true when it returned
// true. A signal that kills the child counts as false.
template <typename Check>
bool InChildProcess(bool asNobody, Check check)
{
    const pid_t child = fork();
    if (child == 0) {
        if (asNobody && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

FileWriteOutcome WriteNew(const std::string& path)
{
    return WriteFileAtomically(path, [](const auto& write) { write("new"); });
}

// A link is followed: the file it names is written beside itself and the link stays a link, also
// through a chain of relative links into another folder. A dangling link creates its file.
TEST_F(AtomicFileTest, ALinkIsFollowedAndStaysALink)
{
    fs::create_directory(m_folder / "real");
    std::ofstream(m_folder / "real" / "target.txt") << "old\n";
    fs::create_symlink("real/target.txt", m_folder / "middle");
    fs::create_symlink("middle", m_folder / "link.svg");
    fs::create_symlink("real/absent.svg", m_folder / "dangling.svg");
    for (const char* name : {"link.svg", "dangling.svg"}) {
        const FileWriteOutcome outcome = WriteNew((m_folder / name).string());
        ASSERT_TRUE(outcome.ok()) << name << ": " << outcome.systemError.message();
        EXPECT_TRUE(fs::is_symlink(m_folder / name)) << name;
    }
    EXPECT_EQ(fs::read_symlink(m_folder / "link.svg"), "middle");
    m_file = m_folder / "real" / "target.txt";
    EXPECT_EQ(TargetText(), "new");
    m_file = m_folder / "real" / "absent.svg";
    EXPECT_EQ(TargetText(), "new");
    EXPECT_EQ(FilesInFolder(), 5);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder / "real"), fs::directory_iterator()), 2);

    fs::create_symlink("loop", m_folder / "loop");
    EXPECT_EQ(WriteNew((m_folder / "loop").string()).error, FileWriteError::TooManyLinks);
}

// A pipe is written straight through, to its reader, and stays a pipe; so are devices (made
// only by root): the null device takes everything, the full device's failure is reported.
TEST_F(AtomicFileTest, PipesAndDevicesAreWrittenStraightThrough)
{
    const fs::path pipe = m_folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        std::ifstream in(pipe, std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), {});
    });
    const FileWriteOutcome outcome = WriteFileAtomically(pipe.string(), [](const auto& write) {
        write(std::string(200000, 'p'));   // more than a pipe holds
    });
    reader.join();
    EXPECT_TRUE(outcome.ok()) << outcome.systemError.message();
    EXPECT_EQ(received, std::string(200000, 'p'));
    EXPECT_TRUE(fs::is_fifo(pipe));

    if (!IsRoot()) {
        GTEST_SKIP() << "devices can be made by root only: the null and full devices are not tried";
    }
    ASSERT_EQ(mknod((m_folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(mknod((m_folder / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    EXPECT_TRUE(WriteNew((m_folder / "null").string()).ok());
    EXPECT_EQ(WriteNew((m_folder / "full").string()).error, FileWriteError::NoSpace);
    EXPECT_TRUE(fs::is_character_file(m_folder / "null"));
    EXPECT_TRUE(fs::is_character_file(m_folder / "full"));
    EXPECT_EQ(FilesInFolder(), 4);
}

// A file its user may not write is refused and kept (tried as nobody when run by root, whom the
// system lets write it).
TEST_F(AtomicFileTest, AReadOnlyFileIsRefused)
{
    fs::permissions(m_folder, fs::perms::all);
    fs::permissions(m_file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (IsRoot()) {
        ASSERT_EQ(chown(m_file.c_str(), 65534, 65534), 0);
    }
    EXPECT_TRUE(InChildProcess(IsRoot(), [&] { return WriteNew(Target()).error == FileWriteError::NoPermission; }));
    EXPECT_EQ(TargetText(), "old\n");
    EXPECT_EQ(FilesInFolder(), 1);
}

// Root keeps a file's owner, group and mode; a user who may write another owner's file but not
// make it theirs again is refused, rather than leaving a file its owner may no longer read.
TEST_F(AtomicFileTest, TheOwnerIsKeptOrTheFileRefused)
{
    if (!IsRoot()) {
        GTEST_SKIP() << "only root can give a file to another user: owners are not tried";
    }
    ASSERT_EQ(chown(m_file.c_str(), 65534, 65534), 0);
    fs::permissions(m_file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write);
    ASSERT_TRUE(WriteNew(Target()).ok());
    struct stat kept {};
    ASSERT_EQ(stat(m_file.c_str(), &kept), 0);
    EXPECT_EQ(kept.st_uid, 65534u);
    EXPECT_EQ(kept.st_gid, 65534u);
    EXPECT_EQ(kept.st_mode & 07777, 0660u);

    ASSERT_EQ(chown(m_file.c_str(), 0, 0), 0);
    fs::permissions(m_file, fs::perms::all);
    fs::permissions(m_folder, fs::perms::all);
    EXPECT_TRUE(InChildProcess(true, [&] { return WriteNew(Target()).error == FileWriteError::OtherOwner; }));
    EXPECT_EQ(TargetText(), "new");
    EXPECT_EQ(FilesInFolder(), 1);
}

// Past the file size limit the write fails (EFBIG) instead of the signal ending the process, and
// nothing is left but the old file.
TEST_F(AtomicFileTest, AFileSizeLimitIsAFailureNotTheEnd)
{
    EXPECT_TRUE(InChildProcess(false, [&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{4096, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        const FileWriteOutcome outcome =
            WriteFileAtomically(Target(), [](const auto& write) { write(std::string(10000, 'x')); });
        return outcome.error == FileWriteError::TooLarge;
    }));
    EXPECT_EQ(TargetText(), "old\n");
    EXPECT_EQ(FilesInFolder(), 1);
}
#endif

}  // namespace
