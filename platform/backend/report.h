#pragma once

// Loud failures: a missing resource or control, a script that does not parse. The message,
// in Spanish, goes to stderr prefixed with the program's name.

#include <string_view>

// A failure the program goes on from.
void ReportError(std::string_view message);

// A failure that keeps a window from appearing: the resources, a dialog template, a picture or
// control that a dialog needs. It is also recorded, and AfxWinMain then ends the program with
// status 1.
void ReportFatalError(std::string_view message);

// True once ReportFatalError has been called in this process.
bool FatalErrorReported();
