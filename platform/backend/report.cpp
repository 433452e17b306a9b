#include "backend/report.h"

#include <atomic>
#include <iostream>
#include <mutex>

namespace {

std::atomic<bool> g_fatalErrorReported{false};
std::mutex g_fatalErrorsMutex;
std::vector<std::string> g_fatalErrors;

}  // namespace

void ReportError(std::string_view message)
{
    std::cerr << "Zelmara: " << message << '\n';
}

void ReportFatalError(std::string_view message)
{
    g_fatalErrorReported = true;
    ReportError(message);
    const std::lock_guard lock(g_fatalErrorsMutex);
    if (g_fatalErrors.size() < kMostFatalErrorsKept) g_fatalErrors.emplace_back(message);
}

bool FatalErrorReported()
{
    return g_fatalErrorReported;
}

std::vector<std::string> FatalErrorMessages()
{
    const std::lock_guard lock(g_fatalErrorsMutex);
    return g_fatalErrors;
}
