// WriteFileAtomically on a real folder: the target is replaced whole or left alone, and no
// temporary file outlives a write.

#include "system/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <new>
#include <random>
#include <sstream>
#include <stdexcept>

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

}  // namespace
