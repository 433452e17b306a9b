#include "forcefield/offxml_reader.h"

#include "forcefield/torsion_terms.h"
#include "line_text.h"
#include "xml_torsions.h"

#include <optional>

namespace {

// A quantity's unit without blanks and without powers of one: "mole**-1*kilocalorie".
std::string CompactUnit(std::string_view unit)
{
    std::string compact;
    for (char c : unit)
        if (c != ' ' && c != '\t') compact += c;
    for (std::size_t at; (at = compact.find("**1")) != std::string::npos &&
                         (at + 3 == compact.size() || compact[at + 3] == '*' || compact[at + 3] == '/');)
        compact.erase(at, 3);
    return compact;
}

// Per mole in the compact unit: "mole**-1" or "/mole".
bool PerMole(const std::string& unit)
{
    return unit.find("mole**-1") != std::string::npos || unit.find("/mole") != std::string::npos;
}

class OffxmlTorsions {
public:
    OffxmlTorsions(const std::string& fileName, ForceFieldReading& reading) : file_(fileName), reading_(reading) {}

    void Visit(const XmlElement& element, std::string_view parent)
    {
        if (element.name == "ProperTorsions") {
            ReadDefaultIdivf(element);
        } else if (parent == "ImproperTorsions" && element.name == "Improper") {
            ++reading_.impropersSkipped;
        } else if (parent == "ProperTorsions" && element.name == "Proper") {
            ReadProper(element);
        }
    }

private:
    void Fail(const XmlElement& element, const std::string& message)
    {
        if (reading_.ok()) reading_.error = Located(file_, element.line, message);
    }

    void ReadDefaultIdivf(const XmlElement& element)
    {
        defaultIdivf_ = 1.0;
        const std::string* text = element.Find("default_idivf");
        if (!text) return;
        if (*text == "auto") {
            reading_.notes.push_back(Located(file_, element.line, "default_idivf=\"auto\" se lee como 1"));
        } else if (!ReadDouble(*text, defaultIdivf_) || defaultIdivf_ == 0) {
            Fail(element, "default_idivf=" + QuotedWord(*text) + " no es un divisor válido");
        }
    }

    // The number before " * unit" in an attribute, and the unit compacted.
    std::optional<std::pair<double, std::string>> Quantity(const XmlElement& element, const std::string& name)
    {
        const std::string* text = element.Find(name);
        if (!text) {
            Fail(element, "<Proper> sin el atributo " + name);
            return std::nullopt;
        }
        const std::size_t star = text->find('*');
        const std::vector<std::string_view> words = Words(std::string_view(*text).substr(0, star));
        double value = 0.0;
        if (words.size() != 1 || !ReadDouble(words[0], value)) {
            Fail(element, name + "=" + QuotedWord(*text) + " no empieza por un número");
            return std::nullopt;
        }
        const std::string unit = star == std::string::npos ? "" : CompactUnit(std::string_view(*text).substr(star + 1));
        return std::pair{value, unit};
    }

    std::optional<double> KilocaloriesPerMole(const XmlElement& element, const std::string& name)
    {
        const auto quantity = Quantity(element, name);
        if (!quantity) return std::nullopt;
        const auto& [value, unit] = *quantity;
        const bool kcal = unit.find("kilocalorie") != std::string::npos;
        const bool kJ = unit.find("kilojoule") != std::string::npos;
        if ((!kcal && !kJ) || !PerMole(unit)) {
            Fail(element, name + ": unidad de energía no admitida " + QuotedWord(unit));
            return std::nullopt;
        }
        return kcal ? value : value / kKilojoulesPerKilocalorie;
    }

    // The phase and whether it is in radians (else degrees).
    std::optional<std::pair<double, bool>> Phase(const XmlElement& element, const std::string& name)
    {
        const auto quantity = Quantity(element, name);
        if (!quantity) return std::nullopt;
        const auto& [value, unit] = *quantity;
        if (unit == "degree" || unit == "degrees") return std::pair{value, false};
        if (unit == "radian" || unit == "radians") return std::pair{value, true};
        Fail(element, name + ": unidad de ángulo no admitida " + QuotedWord(unit));
        return std::nullopt;
    }

    void ReadProper(const XmlElement& element)
    {
        const std::string* id = element.Find("id");
        const std::string* smirks = element.Find("smirks");
        if (!smirks) {
            Fail(element, "<Proper> sin el atributo smirks");
            return;
        }
        ForceFieldTorsion torsion = NewTorsion({id ? *id : "", *smirks}, file_, element.line);
        TorsionTerms terms;
        const int count = CountNumbered(element, "k");
        if (count == 0) {
            if (element.Find("k_bondorder1"))
                terms.Refuse("sus k se interpolan según el orden de enlace: no tiene V1…V6 fijos");
            else
                Fail(element, "<Proper> sin el atributo k1");
        }
        for (int i = 1; i <= count && reading_.ok(); ++i) {
            const std::string n = std::to_string(i);
            const auto k = KilocaloriesPerMole(element, "k" + n);
            const auto phase = Phase(element, "phase" + n);
            const std::string* periodicityText = element.Find("periodicity" + n);
            double periodicity = 0.0;
            if (!periodicityText || !ReadDouble(*periodicityText, periodicity)) {
                Fail(element, "periodicity" + n + " falta o no es un número");
                return;
            }
            double idivf = defaultIdivf_;
            if (const std::string* idivfText = element.Find("idivf" + n);
                idivfText && (!ReadDouble(*idivfText, idivf) || idivf == 0)) {
                Fail(element, "idivf" + n + "=" + QuotedWord(*idivfText) + " no es un divisor válido");
                return;
            }
            if (!k || !phase) return;
            if (phase->second)
                terms.AddPeriodicRadians(*k / idivf, periodicity, phase->first);
            else
                terms.AddPeriodic(*k / idivf, periodicity, phase->first);
        }
        terms.Finish(torsion);
        if (reading_.ok()) reading_.torsions.push_back(std::move(torsion));
    }

    const std::string& file_;
    ForceFieldReading& reading_;
    double defaultIdivf_ = 1.0;
};

}  // namespace

ForceFieldReading ReadOffxml(std::string_view text, const std::string& fileName)
{
    ForceFieldReading reading;
    OffxmlTorsions torsions(fileName, reading);
    ReadXmlTorsions(text, fileName, reading,
                    [&torsions](const XmlElement& element, std::string_view parent) { torsions.Visit(element, parent); });
    return reading;
}
