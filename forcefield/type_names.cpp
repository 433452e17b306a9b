#include "forcefield/type_names.h"

std::vector<std::string> TypeNames(std::string_view text)
{
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        const std::size_t end = text.find_first_of(" \t");
        names.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return names;
}
