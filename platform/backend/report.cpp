#include "backend/report.h"

#include <atomic>
#include <iostream>

namespace {

std::atomic<bool> g_fatalErrorReported{false};

}  // namespace

void ReportError(std::string_view message)
{
    std::cerr << "Zelmara: " << message << '\n';
}

void ReportFatalError(std::string_view message)
{
    g_fatalErrorReported = true;
    ReportError(message);
}

bool FatalErrorReported()
{
    return g_fatalErrorReported;
}
