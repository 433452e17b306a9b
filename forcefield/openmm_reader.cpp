#include "forcefield/openmm_reader.h"

#include "forcefield/torsion_terms.h"
#include "line_text.h"
#include "xml_torsions.h"

#include <array>
#include <optional>

namespace {

class OpenmmTorsions {
public:
    OpenmmTorsions(const std::string& fileName, ForceFieldReading& reading) : file_(fileName), reading_(reading) {}

    void Visit(const XmlElement& element, std::string_view parent)
    {
        const bool periodic = parent == "PeriodicTorsionForce";
        const bool rb = parent == "RBTorsionForce";
        if (!periodic && !rb) return;
        if (element.name == "Improper") {
            ++reading_.impropersSkipped;
        } else if (element.name == "Proper") {
            ForceFieldTorsion torsion = NewTorsion(Types(element), file_, element.line);
            TorsionTerms terms;
            if (periodic)
                ReadPeriodic(element, terms);
            else
                ReadRb(element, terms);
            terms.Finish(torsion);
            if (reading_.ok()) reading_.torsions.push_back(std::move(torsion));
        }
    }

private:
    std::vector<std::string> Types(const XmlElement& element)
    {
        const bool byClass = element.Find("class1") != nullptr;
        std::vector<std::string> types;
        for (int i = 1; i <= 4; ++i) {
            const std::string name = (byClass ? "class" : "type") + std::to_string(i);
            const std::string* value = element.Find(name);
            if (!value) {
                Fail(element, "<Proper> sin el atributo " + name);
                return {};
            }
            types.push_back(*value);
        }
        return types;
    }

    void Fail(const XmlElement& element, const std::string& message)
    {
        if (reading_.ok()) reading_.error = Located(file_, element.line, message);
    }

    // The attribute name's number, or nothing after a fault.
    std::optional<double> Number(const XmlElement& element, const std::string& name)
    {
        const std::string* text = element.Find(name);
        double value = 0.0;
        if (!text) {
            Fail(element, "<Proper> sin el atributo " + name);
            return std::nullopt;
        }
        if (!ReadDouble(*text, value)) {
            Fail(element, name + "=" + QuotedWord(*text) + " no es un número");
            return std::nullopt;
        }
        return value;
    }

    void ReadPeriodic(const XmlElement& element, TorsionTerms& terms)
    {
        const int count = CountNumbered(element, "k");
        if (count == 0) Fail(element, "<Proper> sin el atributo k1");
        for (int i = 1; i <= count; ++i) {
            const std::string n = std::to_string(i);
            const auto k = Number(element, "k" + n);
            const auto periodicity = Number(element, "periodicity" + n);
            const auto phase = Number(element, "phase" + n);
            if (!k || !periodicity || !phase) return;
            terms.AddPeriodicRadians(*k / kKilojoulesPerKilocalorie, *periodicity, *phase);
        }
    }

    void ReadRb(const XmlElement& element, TorsionTerms& terms)
    {
        std::array<double, 6> C{};
        for (std::size_t m = 0; m < C.size(); ++m) {
            const auto c = Number(element, std::string("c").append(std::to_string(m)));
            if (!c) return;
            C[m] = *c / kKilojoulesPerKilocalorie;
        }
        terms.AddRyckaertBellemans(C);
    }

    const std::string& file_;
    ForceFieldReading& reading_;
};

}  // namespace

ForceFieldReading ReadOpenmm(std::string_view text, const std::string& fileName)
{
    ForceFieldReading reading;
    OpenmmTorsions torsions(fileName, reading);
    ReadXmlTorsions(text, fileName, reading,
                    [&torsions](const XmlElement& element, std::string_view parent) { torsions.Visit(element, parent); });
    return reading;
}
