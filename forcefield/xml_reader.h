#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A small XML reader for force-field files: elements and their attributes, with comments,
// processing instructions, CDATA sections and a DOCTYPE without internal subset passed over.
// Attribute values have the five predefined entities and numeric character references
// replaced; text between elements is not looked at. Standard library only, so that it builds
// wherever the program does.

struct XmlAttribute {
    std::string name;
    std::string value;
};

struct XmlElement {
    std::string_view name;
    std::vector<XmlAttribute> attributes;
    int line = 0;  // of its "<", counted from 1

    // The value of the attribute called name, or nullptr.
    const std::string* Find(std::string_view attributeName) const;
};

struct XmlFault {
    int line = 0;
    std::string message;  // Spanish; empty when the document was read whole
    bool ok() const { return message.empty(); }
};

// Reads a whole document, calling start for every start tag and empty-element tag and end for
// every end tag and after every empty-element tag, in document order. The first fault (a tag
// not closed, end tags that do not match, an unknown entity, nesting deeper than 256, more
// than one root) stops the reading and is returned.
XmlFault ReadXml(std::string_view text, const std::function<void(const XmlElement&)>& start,
                 const std::function<void(std::string_view name)>& end);
