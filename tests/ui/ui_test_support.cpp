#include "ui_test_support.h"

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
