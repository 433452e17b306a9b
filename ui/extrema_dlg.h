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
    // Fills the fields, adds the analysis and About entries to the system menu, takes the
    // analysis shortcut, sets the icons, adds the columns.
    BOOL OnInitDialog() override;

    // The About entry opens the About box, the analysis entry the analysis; every other system
    // command gets the default handling.
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    // Draws the icon centred when the window is minimised; otherwise the default painting.
    afx_msg void OnPaint();
    // The cursor shown while the minimised window is dragged: the icon.
    afx_msg HCURSOR OnQueryDragIcon();
    // Reads and validates the fields, then replaces the list with the rows of a new scan.
    afx_msg void OnComputeExtrema();
    // Reads and validates the fields as OnComputeExtrema does, then opens the conformational
    // analysis of the coefficients; the list is left alone. Coefficients the analysis refuses
    // are reported instead.
    afx_msg void OnAnalysis();

    DECLARE_MESSAGE_MAP()
};
