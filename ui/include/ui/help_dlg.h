#pragma once

#include "afxwin.h"
#include "resource.h"

// "Ayuda de Zelmara": the program's help (the help command's string resource) as a scrolling,
// selectable text, so that every window's paragraph can be read and copied at any screen size.
class CHelpDlg : public CDialog {
public:
    explicit CHelpDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_HELP };

protected:
    // Shows the help text, or a line saying there is none.
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
