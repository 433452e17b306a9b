#include "cli/scan_program.h"

#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    // argc is 0 when the program is started with no argument vector at all.
    const std::vector<std::string_view> arguments(argc > 0 ? argv + 1 : argv, argv + argc);
    return RunScanProgram(arguments);
}
