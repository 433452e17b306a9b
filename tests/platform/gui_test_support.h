#pragma once

// What the framework layer's GUI tests share, on any backend: the application object, and a
// dialog on the main template with the program's exchange.

#include "afxcmn.h"
#include "afxwin.h"
#include "gui_test.h"
#include "resource.h"

#include <array>
#include <functional>
#include <vector>

using namespace test_driver;

// The test program's application object. Its map routes ID_HELP as the program's does.
class CTestApp : public CWinApp {
    DECLARE_MESSAGE_MAP()
};

// A dialog on IDD_MAIN_DIALOG with the program's exchange: the list, the precision with its
// range, then V1 ... V6. It records what reaches its handlers.
class CTestDlg : public CDialog {
public:
    CTestDlg() : CDialog(IDD_MAIN_DIALOG) { m_V.fill(0.0); }

    CListCtrl m_results;
    double m_precision = 0.005;
    std::array<double, 7> m_V{};

    int computeClicks = 0;
    int cancels = 0;
    std::vector<UINT> systemCommands;
    std::function<void()> onCompute;   // run by the compute handler when set

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnComputeExtrema();
    DECLARE_MESSAGE_MAP()
};

// Paints through its own handler as the program's dialog does: the icon centred on the erased
// surface when minimised, the surface alone otherwise. It counts its paints and those that had a
// device to paint on.
class CPaintingDlg : public CTestDlg {
public:
    CPaintingDlg() { m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME); }
    HICON m_hIcon;
    int paints = 0;
    int paintsWithDevice = 0;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// Appends the About entry to dlg's system menu as the program does: a separator, then the
// string resource.
void AppendAboutEntry(CWnd& dlg);
