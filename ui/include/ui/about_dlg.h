#pragma once

#include "afxwin.h"
#include "resource.h"

// The About box: program name, version, credit and what the program does. No fields.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    enum { IDD = IDD_ABOUTBOX };

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
