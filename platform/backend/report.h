#pragma once

// Loud failures: a missing resource or control, a script that does not parse. The message,
// in Spanish, goes to stderr prefixed with the program's name.

#include <string>
#include <string_view>
#include <vector>

// A failure the program goes on from.
void ReportError(std::string_view message);

// A failure that keeps a window from appearing: the resources, a dialog template, a picture or
// control that a dialog needs. It is also recorded, and AfxWinMain then shows the recorded
// messages in a message box (a program without a console has nowhere else to say them) and
// ends the program with status 1.
void ReportFatalError(std::string_view message);

// True once ReportFatalError has been called in this process.
bool FatalErrorReported();

// The messages of the first kMostFatalErrorsKept calls of ReportFatalError, oldest first.
inline constexpr std::size_t kMostFatalErrorsKept = 8;
std::vector<std::string> FatalErrorMessages();
