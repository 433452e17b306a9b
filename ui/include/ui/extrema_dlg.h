#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "core/coefficient_set.h"
#include "resource.h"

#include <optional>

// The main window: six coefficient fields, the precision, the compute button and the list of
// extreme points, which the user can copy and save. It owns the coefficients, the step and the
// result list.
class CExtremaDlg : public CDialog {
public:
    explicit CExtremaDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_MAIN_DIALOG };

protected:
    CListCtrl m_results;   // the three-column list of accepted grid points, largest angle first
    double m_precision;    // the grid step in degrees, 0.0001 ... 180
    HICON m_hIcon;         // the application's icon; a shared handle, never freed
    CoefficientSet m_V;    // V1 ... V6 in kcal/mol

    // What the rows in the list were computed from: the table "Guardar como..." writes.
    struct TableInputs {
        CoefficientSet V;
        double step;
    };
    std::optional<TableInputs> m_table;   // none before the first successful computation

    // Control 1007 <-> m_results; precision (validated); then V1 ... V6.
    void DoDataExchange(CDataExchange* pDX) override;
    // Fills the fields, adds the analysis, import, export, fit and About entries to the system
    // menu, takes the dialog's shortcuts, sets the icons, adds the columns.
    BOOL OnInitDialog() override;

    // The About entry opens the About box, the analysis, import, export and fit entries their
    // windows; every other system command gets the default handling.
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
    // Reads and validates the fields as OnComputeExtrema does, then opens the force-field export
    // of the coefficients.
    afx_msg void OnExportForceField();
    // Asks for an energy-profile file and opens the fit to it; the coefficients the user takes
    // from there replace the texts of the six fields, and nothing else changes.
    afx_msg void OnFitProfile();

    // The result list (extrema_dlg_results.cpp). Its context menu: "Copiar" and "Seleccionar
    // todo" when it has rows, "Guardar como..." once a computation has been made.
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    // Ctrl+C and Ctrl+A in the list.
    afx_msg void OnResultsKeyDown(NMHDR* pNMHDR, LRESULT* pResult);
    // The selected rows (every row when none is) to the clipboard as the table's text: the
    // header line, then tab-separated rows, as zelmara-scan prints them.
    afx_msg void OnCopy();
    afx_msg void OnSelectAll();
    // Asks for a file and writes the whole table of the last computation there, tab- or
    // comma-separated, as zelmara-scan writes it; a failure is reported and changes no file.
    afx_msg void OnSaveAs();

    // The force-field import (extrema_dlg_import.cpp): asks for a force-field file, lists its
    // torsions and puts the V1 ... V6 of the one chosen into the six fields, leaving the rest of
    // the dialog as it is. A file that cannot be read is reported; Cancel changes nothing.
    afx_msg void OnImportForceField();

    DECLARE_MESSAGE_MAP()

private:
    // Writes V into m_V and the six coefficient fields, as the fields' exchange writes them.
    void ShowCoefficients(const CoefficientSet& V);
};
