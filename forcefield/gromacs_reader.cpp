#include "forcefield/gromacs_reader.h"

#include "forcefield/torsion_terms.h"
#include "line_text.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace {

constexpr std::size_t kMaxIncludeDepth = 16;
constexpr int kMaxIncludedFiles = 1000;
constexpr std::size_t kMaxWords = 1000;

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// The folder part of a path, with its separator, or "" for a bare name.
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsAbsolute(std::string_view path)
{
    return path.starts_with('/') || path.starts_with('\\') || (path.size() > 1 && path[1] == ':');
}

// How many parameters a function takes (A state, and A and B states), or nothing when it is
// not one this reader knows.
std::optional<std::pair<std::size_t, std::size_t>> ParameterCounts(int function)
{
    switch (function) {
    case 1: case 4: case 9: return std::pair<std::size_t, std::size_t>{3, 5};
    case 2: return std::pair<std::size_t, std::size_t>{2, 4};
    case 3: return std::pair<std::size_t, std::size_t>{6, 12};
    case 5: return std::pair<std::size_t, std::size_t>{4, 8};
    default: return std::nullopt;
    }
}

bool IsImproper(int function) { return function == 2 || function == 4; }

// The function number of a word, 1 ... 11.
std::optional<int> FunctionOf(std::string_view word)
{
    int function = 0;
    if (!ReadInteger(word, function) || function < 1 || function > 11) return std::nullopt;
    return function;
}

// Whether a line of `names` names then the function has the parameters that function takes.
bool FitsForm(const std::vector<std::string>& words, std::size_t names)
{
    if (words.size() <= names) return false;
    const auto function = FunctionOf(words[names]);
    if (!function) return false;
    const auto counts = ParameterCounts(*function);
    const std::size_t parameters = words.size() - names - 1;
    return !counts || parameters == counts->first || parameters == counts->second;
}

struct Condition {
    bool active;        // lines here are read
    bool parentActive;  // lines around the #ifdef were read
    bool elseSeen;
};

class GromacsReader {
public:
    explicit GromacsReader(const GromacsFiles& files) : files_(files) {}

    ForceFieldReading Read(std::string_view text, const std::string& fileName)
    {
        ReadFile(text, fileName);
        CloseTorsion();
        return std::move(reading_);
    }

private:
    bool Active() const { return conditions_.empty() || conditions_.back().active; }

    void Fail(const std::string& file, int line, const std::string& message)
    {
        if (reading_.ok()) reading_.error = Located(file, line, message);
    }

    void ReadFile(std::string_view text, const std::string& fileName)
    {
        open_.push_back(fileName);
        const std::size_t conditionsBefore = conditions_.size();
        LineCursor lines(text);
        std::string_view line;
        while (reading_.ok() && lines.Next(line)) ReadLine(line, fileName, lines.number());
        if (reading_.ok() && conditions_.size() != conditionsBefore)
            Fail(fileName, lines.number(), "falta #endif al final del archivo");
        open_.pop_back();
    }

    void ReadLine(std::string_view line, const std::string& file, int number)
    {
        const std::string_view content = Trimmed(BeforeComment(line, ";"));
        if (content.empty()) return;
        if (content.front() == '#') {
            ReadDirective(content, file, number);
            return;
        }
        if (!Active()) return;
        if (content.front() == '[') {
            CloseTorsion();
            if (content.back() != ']') {
                Fail(file, number, "falta «]» en el nombre de la sección");
                return;
            }
            section_ = std::string(Trimmed(content.substr(1, content.size() - 2)));
            std::ranges::transform(section_, section_.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
            return;
        }
        if (section_ != "dihedraltypes" && section_ != "dihedrals") return;
        const std::vector<std::string> words = Expanded(content);
        if (words.size() > kMaxWords)
            Fail(file, number, "la línea pasa de 1000 palabras con sus macros expandidas");
        else
            ReadDihedral(words, file, number, section_ == "dihedraltypes");
    }

    // The line's words with each macro replaced by its own; it stops once past kMaxWords.
    std::vector<std::string> Expanded(std::string_view content) const
    {
        std::vector<std::string> words;
        for (std::string_view word : Words(content)) {
            if (words.size() > kMaxWords) break;
            const auto macro = defines_.find(std::string(word));
            if (macro == defines_.end())
                words.emplace_back(word);
            else
                words.insert(words.end(), macro->second.begin(), macro->second.end());
        }
        return words;
    }

    void ReadDirective(std::string_view content, const std::string& file, int number)
    {
        const std::vector<std::string_view> words = Words(content.substr(1));
        const std::string_view name = words.empty() ? std::string_view() : words[0];
        if (name == "ifdef" || name == "ifndef") {
            if (words.size() < 2) {
                Fail(file, number, std::string(name == "ifdef" ? "#ifdef" : "#ifndef") + " sin nombre");
                return;
            }
            const bool defined = defines_.contains(std::string(words[1]));
            conditions_.push_back({Active() && defined == (name == "ifdef"), Active(), false});
        } else if (name == "else") {
            if (conditions_.empty() || conditions_.back().elseSeen) {
                Fail(file, number, "#else sin su #ifdef");
                return;
            }
            Condition& condition = conditions_.back();
            condition.active = condition.parentActive && !condition.active;
            condition.elseSeen = true;
        } else if (name == "endif") {
            if (conditions_.empty()) {
                Fail(file, number, "#endif sin su #ifdef");
                return;
            }
            conditions_.pop_back();
        } else if (!Active()) {
            return;
        } else if (name == "define") {
            if (words.size() < 2) {
                Fail(file, number, "#define sin nombre");
                return;
            }
            defines_[std::string(words[1])] = {words.begin() + 2, words.end()};
        } else if (name == "undef") {
            if (words.size() >= 2) defines_.erase(std::string(words[1]));
        } else if (name == "include") {
            Include(Trimmed(content.substr(content.find("include") + 7)), file, number);
        } else {
            Fail(file, number, "directiva desconocida " + QuotedWord(content));
        }
    }

    void Include(std::string_view quoted, const std::string& file, int number)
    {
        if (quoted.size() < 2 || !((quoted.front() == '"' && quoted.back() == '"') ||
                                   (quoted.front() == '<' && quoted.back() == '>'))) {
            Fail(file, number, "#include espera un nombre entre comillas");
            return;
        }
        const std::string name(quoted.substr(1, quoted.size() - 2));
        if (open_.size() >= kMaxIncludeDepth) {
            Fail(file, number, "los #include se anidan a más de 16 niveles");
            return;
        }
        if (++includedFiles_ > kMaxIncludedFiles) {
            Fail(file, number, "más de 1000 archivos incluidos");
            return;
        }
        std::vector<std::string> candidates;
        if (IsAbsolute(name)) {
            candidates.push_back(name);
        } else {
            candidates.push_back(FolderOf(file) + name);
            for (const std::string& folder : files_.dataFolders) candidates.push_back(folder + "/" + name);
        }
        for (const std::string& path : candidates) {
            IncludedFile included = files_.read(path);
            if (!included.found) continue;
            if (!included.error.empty()) {
                Fail(file, number, included.error);
                return;
            }
            if (std::ranges::find(open_, path) != open_.end()) {
                Fail(file, number, "inclusión circular de " + QuotedWord(path));
                return;
            }
            ReadFile(included.text, path);
            return;
        }
        Fail(file, number, "no se encuentra el archivo incluido " + QuotedWord(name));
    }

    void CloseTorsion()
    {
        if (openTorsion_) terms_.Finish(reading_.torsions.back());
        openTorsion_ = false;
    }

    void ReadDihedral(const std::vector<std::string>& words, const std::string& file, int number, bool types)
    {
        std::size_t names = 4;
        if (types && !FitsForm(words, 4) && FitsForm(words, 2)) names = 2;
        if (!types && words.size() == 5) {
            CloseTorsion();  // parameters from the types
            return;
        }
        if (!FitsForm(words, names)) {
            Fail(file, number, "se esperaban los tipos, la función y sus parámetros");
            return;
        }
        const int function = *FunctionOf(words[names]);
        if (IsImproper(function)) {
            CloseTorsion();
            ++reading_.impropersSkipped;
            return;
        }
        std::vector<double> parameters;
        for (std::size_t i = names + 1; i < words.size(); ++i) {
            double value = 0.0;
            if (!ReadDouble(words[i], value)) {
                Fail(file, number, QuotedWord(words[i]) + " no es un número ni una macro definida");
                return;
            }
            parameters.push_back(value);
        }
        const std::vector<std::string> atoms(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(names));
        const bool continues = openTorsion_ && function == 9 && lastFunction_ == 9 && atoms == reading_.torsions.back().types;
        if (!continues) {
            CloseTorsion();
            reading_.torsions.push_back(NewTorsion(atoms, file, number));
            terms_ = TorsionTerms();
            openTorsion_ = true;
        }
        lastFunction_ = function;
        AddTerms(function, parameters);
    }

    void AddTerms(int function, const std::vector<double>& p)
    {
        constexpr double kJ = kKilojoulesPerKilocalorie;
        switch (function) {
        case 1:
        case 9:
            terms_.AddPeriodic(p[1] / kJ, p[2], p[0]);
            break;
        case 3:
            terms_.AddRyckaertBellemans({p[0] / kJ, p[1] / kJ, p[2] / kJ, p[3] / kJ, p[4] / kJ, p[5] / kJ});
            break;
        case 5:
            terms_.AddOplsFourier({p[0] / kJ, p[1] / kJ, p[2] / kJ, p[3] / kJ});
            break;
        default:
            terms_.Refuse("la función " + std::to_string(function) + " de GROMACS no se puede escribir con V1…V6");
        }
    }

    const GromacsFiles& files_;
    ForceFieldReading reading_;
    std::map<std::string, std::vector<std::string>> defines_;
    std::vector<Condition> conditions_;
    std::vector<std::string> open_;
    int includedFiles_ = 0;
    std::string section_;
    TorsionTerms terms_;
    bool openTorsion_ = false;
    int lastFunction_ = 0;
};

}  // namespace

ForceFieldReading ReadGromacs(std::string_view text, const std::string& fileName, const GromacsFiles& files)
{
    return GromacsReader(files).Read(text, fileName);
}
