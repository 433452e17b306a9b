#include "ui_test_support.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

// The test program's application object, as the program has one.
CExtremaApp theApp;

std::vector<std::vector<std::string>> ResultRows(const CWnd& dlg)
{
    return ShownListRows(dlg, IDC_RESULTS);
}

void ClickCompute(const CWnd& dlg)
{
    Click(dlg, IDC_COMPUTE);
}

std::string FileText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

Folder::Folder()
    : m_path(fs::temp_directory_path() /
             (std::string("zelmara-") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
              std::to_string(std::random_device()())))
{
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

Folder::~Folder()
{
    fs::remove_all(m_path);
}

std::vector<std::string> Folder::Names() const
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
