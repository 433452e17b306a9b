#include "xml_torsions.h"

#include "line_text.h"

#include <vector>

void ReadXmlTorsions(std::string_view text, const std::string& fileName, ForceFieldReading& reading,
                     const std::function<void(const XmlElement& element, std::string_view parent)>& visit)
{
    std::vector<std::string> open;
    const auto start = [&](const XmlElement& element) {
        if (reading.ok() && !open.empty()) visit(element, open.back());
        open.emplace_back(element.name);
    };
    const auto end = [&](std::string_view) { open.pop_back(); };
    const XmlFault fault = ReadXml(text, start, end);
    if (reading.ok() && !fault.ok()) reading.error = Located(fileName, fault.line, fault.message);
}

int CountNumbered(const XmlElement& element, std::string_view prefix)
{
    int count = 0;
    while (element.Find(std::string(prefix) + std::to_string(count + 1))) ++count;
    return count;
}
