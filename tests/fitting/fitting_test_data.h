#pragma once

// The saved profiles of tests/fitting/data, read whole.

#include <fstream>
#include <sstream>
#include <string>

inline std::string TestFile(const std::string& name)
{
    std::ifstream in(std::string(ZELMARA_FITTING_DATA) + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
