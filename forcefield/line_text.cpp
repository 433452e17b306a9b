#include "line_text.h"

#include "text/double_from_chars.h"

#include <algorithm>
#include <charconv>
#include <cmath>

std::string_view BeforeComment(std::string_view line, std::string_view commentCharacters)
{
    return line.substr(0, line.find_first_of(commentCharacters));
}

bool ReadDouble(std::string_view word, double& value)
{
    if (word.starts_with('+')) word.remove_prefix(1);
    if (word.empty() || word.starts_with('+')) return false;
    // Spellings of infinity or nan have no digit, or read as a value that is not finite.
    if (word.find_first_of("0123456789") == std::string_view::npos) return false;
    double read = 0.0;
    const auto [end, error] = DoubleFromChars(word.data(), word.data() + word.size(), read);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(read)) return false;
    value = read;
    return true;
}

bool ReadInteger(std::string_view word, int& value)
{
    if (word.starts_with('+')) word.remove_prefix(1);
    int read = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), read);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) return false;
    value = read;
    return true;
}

std::string Located(std::string_view file, int line, std::string_view message)
{
    return std::string(file) + ":" + std::to_string(line) + ": " + std::string(message);
}

std::string QuotedWord(std::string_view word)
{
    constexpr std::size_t kShown = 40;
    std::size_t cut = std::min(word.size(), kShown);
    while (cut < word.size() && cut > 0 && (static_cast<unsigned char>(word[cut]) & 0xc0) == 0x80) --cut;
    std::string shown;
    for (char c : word.substr(0, cut)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    if (cut < word.size()) shown += "…";
    return "«" + shown + "»";
}

bool LineCursor::Next(std::string_view& line)
{
    if (done_) return false;
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) {
        done_ = true;
        // A text that ends in a line end has no empty line after it.
        if (rest_.empty() && number_ > 0) return false;
    }
    line = rest_.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number_;
    if (end != std::string_view::npos) rest_.remove_prefix(end + 1);
    return true;
}

ForceFieldTorsion NewTorsion(std::vector<std::string> types, const std::string& file, int line)
{
    ForceFieldTorsion torsion;
    torsion.types = std::move(types);
    torsion.file = file;
    torsion.line = line;
    return torsion;
}
