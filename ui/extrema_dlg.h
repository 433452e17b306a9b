#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "coefficient_set.h"
#include "resource.h"

// The main window: six coefficient fields, the precision, the compute button and the list of
// extreme points. It owns the coefficients, the step and the result list.
class CExtremaDlg : public CDialog {
public:
    explicit CExtremaDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_MAIN_DIALOG };

protected:
    CListCtrl m_results;   // the three-column list of accepted grid points, largest angle first
    double m_precision;    // the grid step in degrees, 0.0001 ... 180
    HICON m_hIcon;         // the application's icon; a shared handle, never freed
    CoefficientSet m_V;    // V1 ... V6 in kcal/mol

    // Control 1007 <-> m_results; precision (validated); then V1 ... V6.
    void DoDataExchange(CDataExchange* pDX) override;
    // Fills the fields, adds the About entry to the system menu, sets the icons, adds the columns.
    BOOL OnInitDialog() override;

    // The About entry opens the About box; every other system command gets the default handling.
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    // Draws the icon centred when the window is minimised; otherwise the default painting.
    afx_msg void OnPaint();
    // The cursor shown while the minimised window is dragged: the icon.
    afx_msg HCURSOR OnQueryDragIcon();
    // Reads and validates the fields, then replaces the list with the rows of a new scan.
    afx_msg void OnComputeExtrema();

    DECLARE_MESSAGE_MAP()
};
