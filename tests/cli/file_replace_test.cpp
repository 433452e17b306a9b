#include "file_replace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A fresh, empty folder of this test's own.
fs::path EmptyFolder(const std::string& name)
{
    const fs::path folder = fs::path(::testing::TempDir()) / ("zelmara-file-replace-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string Contents(const fs::path& file)
{
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

std::size_t EntriesIn(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(WriteFileReplacing, WritesOrReplacesTheWholeFileAndLeavesNothingElse)
{
    const fs::path folder = EmptyFolder("writes");
    const fs::path file = folder / "gráfica.svg";
    ASSERT_TRUE(WriteFileReplacing(file.string(), "first\n"));
    EXPECT_EQ(Contents(file), "first\n");
    ASSERT_TRUE(WriteFileReplacing(file.string(), std::string(100000, 'x')));
    EXPECT_EQ(Contents(file), std::string(100000, 'x'));
    EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST(WriteFileReplacing, AFailureLeavesWhatWasThereAndNoTemporaryFile)
{
    const fs::path folder = EmptyFolder("fails");
    EXPECT_FALSE(WriteFileReplacing((folder / "missing" / "plot.svg").string(), "text"));
    EXPECT_EQ(EntriesIn(folder), 0u);

    // A folder where the file should go cannot be replaced by it.
    fs::create_directory(folder / "plot.svg");
    std::ofstream(folder / "plot.svg" / "kept") << "kept";
    EXPECT_FALSE(WriteFileReplacing((folder / "plot.svg").string(), "text"));
    EXPECT_EQ(Contents(folder / "plot.svg" / "kept"), "kept");
    EXPECT_EQ(EntriesIn(folder), 1u);
}

}  // namespace
