// Figures for the two readers of outside text on hostile inputs: the resource-script reader on
// string tables of growing length (linear time gives a ratio near 8 from 8,192 to 65,536
// entries, quadratic near 64), on an include tree 14 levels deep that multiplies its text, and
// on a #define of 40,000 nested parentheses; the number reader on 1 MB of text and on 10,000
// digits. Peak memory is taken after the include tree, the first case run. It prints figures
// only; it never fails.

#include "bench_timing.h"
#include "resource_script/resource_script.h"
#include "text/number_text.h"

#include <cstdio>
#include <map>
#include <string>

namespace {

resource::ParseOutcome Parse(const std::string& script, const std::map<std::string, std::string>& files = {})
{
    return resource::ParseResourceScript(script, [&files](const std::string& name) -> std::optional<std::string> {
        const auto found = files.find(name);
        if (found == files.end()) return std::nullopt;
        return found->second;
    });
}

// Seconds to parse script, printed with what the reader answered.
double TimeParse(const char* label, const std::string& script, const std::map<std::string, std::string>& files = {})
{
    const BenchClock::time_point start = BenchClock::now();
    const resource::ParseOutcome outcome = Parse(script, files);
    const double seconds = SecondsSince(start);
    std::printf("%-40s %8.3f s  %s\n", label, seconds,
                outcome.ok() ? "read" : ("refused: " + outcome.error->message.substr(0, 60)).c_str());
    return seconds;
}

// Files named with 80 extra characters, each including the next twice; the last holds lines
// of LANGUAGE statements.
std::map<std::string, std::string> IncludeTree(int levels, int leafLines)
{
    const auto name = [](int level) { return "level_" + std::to_string(level) + std::string(80, 'x') + ".h"; };
    std::map<std::string, std::string> files;
    for (int level = 1; level < levels; ++level)
        files[name(level)] = "#include \"" + name(level + 1) + "\"\n#include \"" + name(level + 1) + "\"\n";
    std::string leaf;
    for (int line = 0; line < leafLines; ++line) leaf += "LANGUAGE 10, 3\n";
    files[name(levels)] = leaf;
    files["main.h"] = "#include \"" + name(1) + "\"\n";
    return files;
}

std::string StringTable(int entries)
{
    std::string script = "STRINGTABLE\nBEGIN\n";
    for (int id = 0; id < entries; ++id) script += std::to_string(id) + " \"text\"\n";
    return script + "END\n";
}

void TimeReadNumber(const char* label, const std::string& text)
{
    double keep = 0.0;
    const double seconds = BestSeconds(5, [&] { return static_cast<double>(ReadNumber(text).error); }, keep);
    std::printf("%-40s %8.6f s  %7.1f MB/s  (error %g)\n", label, seconds,
                static_cast<double>(text.size()) / seconds / 1e6, keep / 5);
}

}  // namespace

int main()
{
    const auto tree = IncludeTree(14, 25);
    TimeParse("include tree, 14 levels, 885,000 tokens", "#include \"main.h\"\n", tree);
    std::printf("%-40s %8.1f MB\n", "peak resident memory after it", PeakResidentMegabytes());

    const double small = TimeParse("string table, 8,192 entries", StringTable(8192));
    TimeParse("string table, 16,384 entries", StringTable(16384));
    TimeParse("string table, 32,768 entries", StringTable(32768));
    const double large = TimeParse("string table, 65,536 entries", StringTable(65536));
    std::printf("%-40s %8.1f\n", "ratio 65,536 / 8,192 entries", large / small);

    TimeParse("#define of 40,000 nested parentheses",
              "#define X " + std::string(40000, '(') + "1" + std::string(40000, ')') + "\n");

    TimeReadNumber("ReadNumber, 1 MB of letters", std::string(1 << 20, 'a'));
    TimeReadNumber("ReadNumber, 10,000 digits", std::string(10000, '7'));
    TimeReadNumber("ReadNumber, 0. and 1 MB of digits", "0." + std::string(1 << 20, '3'));
    TimeReadNumber("ReadNumber, 1 MB of blanks around 5", std::string(1 << 19, ' ') + "5" + std::string(1 << 19, ' '));
}
