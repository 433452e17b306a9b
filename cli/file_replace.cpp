#include "file_replace.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// A UTF-8 text as a path on every system (a plain string would be read in the Windows code page).
fs::path PathFromUtf8(std::string_view text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

// A hidden name beside target that no other writer picks by chance.
fs::path TemporaryBeside(const fs::path& target)
{
    std::random_device random;
    fs::path name = ".";
    name += target.filename();
    name += ".tmp" + std::to_string(random()) + std::to_string(random());
    return target.parent_path() / name;
}

}  // namespace

bool WriteFileReplacing(std::string_view path, std::string_view bytes)
{
    const fs::path target = PathFromUtf8(path);
    const fs::path temporary = TemporaryBeside(target);
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        written = out.good();
    }
    std::error_code error;
    if (written) fs::rename(temporary, target, error);
    if (!written || error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
