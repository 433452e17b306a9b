#pragma once

// The program's resources at run time: res/zelmara.rc, parsed once on first use from the
// embedded resources, and the pictures it names. A missing dialog or picture is reported on
// stderr, naming it; a missing string is not, since a program may do without one. A script
// that cannot be read or parsed, and a missing dialog, are fatal errors (report.h); a missing
// picture is one only where a dialog needs it, which the dialog builder reports.

#include "afxwin.h"
#include "resource_script/resource_script.h"

#include <QImage>

#include <string>

// A loaded icon: its 32 and 16 pixel images.
struct HICON__ {
    QImage large;
    QImage small;
};

namespace resources {

// The parsed script, or nullptr when it could not be read or parsed (reported once, as fatal).
const resource::ResourceScript* Script();

// Each returns nullptr (or a null image) after reporting the missing resource.
const resource::DialogTemplate* FindDialog(int id);
// nullptr, quietly, when the script has no such string (or could not be read, reported once).
const std::string* FindString(int id);
// A shared handle: the same id always gives the same handle, which is never freed.
HICON LoadIcon(int id);
QImage LoadBitmap(int id);

}  // namespace resources
