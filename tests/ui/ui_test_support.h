#pragma once

// What the dialog tests share: the program's own dialogs and application object, driven on any
// backend through the test driver, ways to read the result list and press the compute button
// as a user does, and a folder for the files a test saves.

#include "app/extrema_app.h"
#include "gui_test.h"
#include "text/number_text.h"
#include "ui/about_dlg.h"
#include "ui/extrema_dlg.h"

#include <filesystem>
#include <string>
#include <vector>

using namespace test_driver;

// The result list's rows as shown, top first: three texts each.
std::vector<std::vector<std::string>> ResultRows(const CWnd& dlg);
// Clicks "Obtener puntos extremos".
void ClickCompute(const CWnd& dlg);

// The bytes of a file; empty when it cannot be read.
std::string FileText(const std::filesystem::path& path);

// A fresh folder for a test's files, named after the test, removed afterwards.
class Folder {
public:
    Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder();
    const std::filesystem::path& path() const { return m_path; }
    // The names of the files in it, sorted.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path m_path;
};
