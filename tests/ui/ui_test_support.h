#pragma once

// What the dialog tests share: the program's own dialogs and application object, and ways to
// read the result list and press the compute button as a user does.

#include "about_dlg.h"
#include "extrema_app.h"
#include "extrema_dlg.h"
#include "gui_test.h"
#include "number_text.h"

#include <string>
#include <vector>

// The result list's rows as shown, top first: three texts each.
std::vector<std::vector<std::string>> ListRows(const CWnd& dlg);
// The result list's column headers, and their widths in pixels.
std::vector<std::string> ListHeaders(const CWnd& dlg);
std::vector<int> ListColumnWidths(const CWnd& dlg);
// Clicks "Obtener puntos extremos".
void ClickCompute(const CWnd& dlg);
