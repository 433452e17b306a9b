#pragma once

#include "afxwin.h"

// The application object: shows the main dialog as the program's only window and ends the
// program when it closes. F1 in any of its windows reaches the help window through its map.
class CExtremaApp : public CWinApp {
public:
    // Runs the main dialog modally and returns FALSE, so the program ends when the dialog does.
    BOOL InitInstance() override;

    // F1: the help window, owned by the main window.
    afx_msg void OnShowHelp();

    DECLARE_MESSAGE_MAP()
};
