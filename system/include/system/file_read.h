#pragma once

// A file read whole into memory, or why it could not be: what the command line and the window
// read profiles and molecules with.

#include <cstdint>
#include <string>

enum class FileReadError { None, Missing, Folder, TooLarge, Denied, Failed };

struct FileReading {
    std::string text;
    FileReadError error = FileReadError::None;
    bool ok() const { return error == FileReadError::None; }
};

// The bytes of the file at path (UTF-8). A folder, a file larger than maxBytes, one that does
// not exist or may not be read, and a read that fails are refused.
FileReading ReadWholeFile(const std::string& path, std::uintmax_t maxBytes);

// The reason of a refused read in Spanish, in lower case and without a final stop, to follow a
// colon ("el archivo no existe"); empty for None.
std::string FileReadReasonText(FileReadError error, std::uintmax_t maxBytes);
