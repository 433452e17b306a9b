#pragma once

#include "forcefield/torsion.h"
#include "text/words.h"

#include <string>
#include <string_view>
#include <vector>

// What the line-oriented readers share.

// The line without what starts at the first of the comment characters.
std::string_view BeforeComment(std::string_view line, std::string_view commentCharacters);

// Reads a whole word as a finite decimal number (an optional sign, digits, point, exponent;
// a Fortran "2." too), whatever the locale; false for anything else.
bool ReadDouble(std::string_view word, double& value);

// Reads a whole word as a decimal integer that fits an int; false for anything else.
bool ReadInteger(std::string_view word, int& value);

// "FILE:LINE: message".
std::string Located(std::string_view file, int line, std::string_view message);

// The word as shown in a message: in angle quotes, cut after 40 characters.
std::string QuotedWord(std::string_view word);

// Walks a text line by line, counting lines from 1; a line has no line end.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : rest_(text) {}
    // The next line into line, false at the end.
    bool Next(std::string_view& line);
    int number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
    bool done_ = false;
};


// A torsion of those types, at that line of the file, not yet converted.
ForceFieldTorsion NewTorsion(std::vector<std::string> types, const std::string& file, int line);
