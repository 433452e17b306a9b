#pragma once

// What the dialog tests share: the program's own dialogs and application object, driven on any
// backend through the test driver, and ways to read the result list and press the compute
// button as a user does.

#include "about_dlg.h"
#include "extrema_app.h"
#include "extrema_dlg.h"
#include "gui_test.h"
#include "number_text.h"

#include <string>
#include <vector>

using namespace test_driver;

// The result list's rows as shown, top first: three texts each.
std::vector<std::vector<std::string>> ResultRows(const CWnd& dlg);
// Clicks "Obtener puntos extremos".
void ClickCompute(const CWnd& dlg);
