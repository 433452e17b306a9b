#include "forcefield/type_filter.h"

#include <algorithm>

namespace {

bool IsWildcard(const std::string& name) { return name.empty() || name == "X" || name == "x"; }

bool SameNames(const std::vector<std::string>& file, const std::vector<std::string>& asked, bool reversed)
{
    for (std::size_t i = 0; i < file.size(); ++i) {
        const std::string& name = file[reversed ? file.size() - 1 - i : i];
        if (!IsWildcard(name) && name != asked[i]) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> TypeWords(std::string_view text)
{
    std::vector<std::string> words;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        const std::size_t end = text.find_first_of(" \t");
        words.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return words;
}

bool TypesMatch(const std::vector<std::string>& fileTypes, const std::vector<std::string>& asked)
{
    if (asked.size() == 1) return std::ranges::find(fileTypes, asked[0]) != fileTypes.end();
    if (fileTypes.size() == asked.size()) return SameNames(fileTypes, asked, false) || SameNames(fileTypes, asked, true);
    if (fileTypes.size() == 2 && asked.size() == 4) return TypesMatch(fileTypes, {asked[1], asked[2]});
    if (fileTypes.size() == 4 && asked.size() == 2) return TypesMatch({fileTypes[1], fileTypes[2]}, asked);
    return false;
}
