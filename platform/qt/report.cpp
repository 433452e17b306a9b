#include "report.h"

#include <iostream>

void ReportError(std::string_view message)
{
    std::cerr << "Zelmara: " << message << '\n';
}
