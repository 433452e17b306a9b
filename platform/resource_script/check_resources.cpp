// Build-time check of the resource script, so that a typo fails the build rather than the
// program's start: reads the script exactly as the Qt backend reads it at run time, seeing only
// the files that are embedded with it, and fails when it does not parse or names a picture that
// is not embedded.
//
// Usage: check_resources SCRIPT [EMBEDDED_FILE ...]   (the embedded files sit next to SCRIPT)
// Status 0 when the script is sound; 1, with "file:line: error: message" on stderr, when not.

#include "resource_script/resource_script.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::optional<std::string> ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The embedded files, by name in the script's folder: what the program can read at run time.
class EmbeddedFiles {
public:
    EmbeddedFiles(fs::path folder, std::set<std::string> names)
        : m_folder(std::move(folder)), m_names(std::move(names))
    {
    }

    std::optional<std::string> Read(const std::string& name) const
    {
        if (m_names.count(name) == 0) return std::nullopt;
        return ReadFile(m_folder / name);
    }

    // As the backend finds a picture: by its path relative to the script, or by its bare name.
    bool HasPicture(std::string name) const
    {
        for (char& c : name)
            if (c == '\\') c = '/';
        return m_names.count(name) != 0 || m_names.count(fs::path(name).filename().string()) != 0;
    }

private:
    fs::path m_folder;
    std::set<std::string> m_names;
};

// Reports an error in the compiler's form; line 0 when it has none.
int Fail(const std::string& file, int line, const std::string& message)
{
    if (line > 0)
        std::fprintf(stderr, "%s:%d: error: %s\n", file.c_str(), line, message.c_str());
    else
        std::fprintf(stderr, "%s: error: %s\n", file.c_str(), message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: check_resources SCRIPT [EMBEDDED_FILE ...]\n");
        return 2;
    }
    const fs::path script = argv[1];
    const std::optional<std::string> text = ReadFile(script);
    if (!text) return Fail(script.string(), 0, "cannot be read");
    std::set<std::string> names;
    for (int i = 2; i < argc; ++i) names.insert(fs::path(argv[i]).filename().string());
    const EmbeddedFiles embedded(script.parent_path(), std::move(names));

    const resource::ParseOutcome outcome = resource::ParseResourceScript(
        *text, [&embedded](const std::string& name) { return embedded.Read(name); },
        script.filename().string());
    if (!outcome.ok()) {
        const resource::ParseError& error = *outcome.error;
        const fs::path file = error.file == script.filename().string() ? script : script.parent_path() / error.file;
        return Fail(file.string(), error.line, error.message);
    }
    for (const auto* pictures : {&outcome.script.icons, &outcome.script.bitmaps}) {
        for (const resource::PictureResource& picture : *pictures) {
            if (!embedded.HasPicture(picture.fileName))
                return Fail(script.string(), 0,
                            "picture " + std::to_string(picture.id) + " names \"" +
                                picture.fileName + "\", which is not embedded");
        }
    }
    return 0;
}
