// ReadWholeFile: a file's bytes whole, binary and beyond any line end, and each refusal with its
// reason: a missing file, a folder, a file past the size limit.

#include "system/file_read.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(FileReadTest, BytesWholeAndEachRefusalWithItsReason)
{
    // Its own folder: builds may run this test at once.
    const fs::path folder = fs::temp_directory_path() / ("zelmara-file-read-" + std::to_string(std::random_device()()));
    fs::remove_all(folder);
    fs::create_directories(folder / "carpeta");
    const std::string bytes("a\r\n\0b\xff", 6);
    std::ofstream(folder / "perfil.txt", std::ios::binary) << bytes;
    const std::string path = (folder / "perfil.txt").string();

    EXPECT_EQ(ReadWholeFile(path, 6).text, bytes);
    EXPECT_EQ(ReadWholeFile(path, 5).error, FileReadError::TooLarge);
    EXPECT_EQ(FileReadReasonText(FileReadError::TooLarge, 5), "es mayor de 5 bytes");
    EXPECT_EQ(ReadWholeFile((folder / "no.txt").string(), 6).error, FileReadError::Missing);
    EXPECT_EQ(FileReadReasonText(FileReadError::Missing, 6), "el archivo no existe");
    EXPECT_EQ(ReadWholeFile((folder / "carpeta").string(), 6).error, FileReadError::Folder);
    fs::remove_all(folder);
}

}  // namespace
