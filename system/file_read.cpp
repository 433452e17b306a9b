#include "system/file_read.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

FileReading ReadWholeFile(const std::string& path, std::uintmax_t maxBytes)
{
    const fs::path file(std::u8string(path.begin(), path.end()));
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) return {{}, FileReadError::Missing};
    if (status.type() == fs::file_type::directory) return {{}, FileReadError::Folder};
    const std::uintmax_t size = fs::file_size(file, error);
    if (!error && size > maxBytes) return {{}, FileReadError::TooLarge};
    std::ifstream in(file, std::ios::binary);
    // It exists: what keeps it closed is its permissions.
    if (!in) return {{}, FileReadError::Denied};
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return {{}, FileReadError::Failed};
    FileReading reading{std::move(text).str()};
    // A pipe or device tells no size beforehand.
    if (reading.text.size() > maxBytes) return {{}, FileReadError::TooLarge};
    return reading;
}

std::string FileReadReasonText(FileReadError error, std::uintmax_t maxBytes)
{
    switch (error) {
    case FileReadError::None: return {};
    case FileReadError::Missing: return "el archivo no existe";
    case FileReadError::Folder: return "es una carpeta";
    case FileReadError::TooLarge: return "es mayor de " + std::to_string(maxBytes) + " bytes";
    case FileReadError::Denied: return "no hay permiso para leerlo";
    case FileReadError::Failed: break;
    }
    return "no se pudo leer";
}
