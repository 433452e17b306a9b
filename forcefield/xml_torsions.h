#pragma once

#include "forcefield/torsion.h"
#include "xml_reader.h"

#include <functional>
#include <string>
#include <string_view>

// What the two XML readers share.

// Runs ReadXml on text and calls proper(element, parent) for every element whose parent is an
// element; a fault of the XML, or one proper() puts in reading.error, ends the reading with the
// error "FILE:LINE: fault".
void ReadXmlTorsions(std::string_view text, const std::string& fileName, ForceFieldReading& reading,
                     const std::function<void(const XmlElement& element, std::string_view parent)>& visit);

// Reads the numbered attributes prefix1, prefix2 ... of element while they exist.
int CountNumbered(const XmlElement& element, std::string_view prefix);
