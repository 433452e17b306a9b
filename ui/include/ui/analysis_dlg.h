#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "core/coefficient_set.h"
#include "core/conformational_analysis.h"
#include "resource.h"

// "Análisis conformacional": the plot of V(φ) over the whole turn, the stationary points with
// the conformers' energies and populations, the barriers between neighbouring conformers, the
// temperature the populations are for, and the plot's save as SVG or PNG.
class CAnalysisDlg : public CDialog {
public:
    // analysis: AnalyzeConformations(V) accepted, at the default temperature.
    CAnalysisDlg(const CoefficientSet& V, ConformationalAnalysis analysis, CWnd* pParent = nullptr);

    enum { IDD = IDD_ANALYSIS };

protected:
    CListCtrl m_points;     // type, angle, V, ΔV, population (%), in increasing angle
    CListCtrl m_barriers;   // from, to, over, height
    double m_temperature;   // kelvin, kMinTemperature ... kMaxTemperature
    CoefficientSet m_V;
    ConformationalAnalysis m_analysis;   // of m_V at the temperature last applied

    // The two lists; the temperature (validated).
    void DoDataExchange(CDataExchange* pDX) override;
    // Fills the temperature, adds the lists' columns and shows the analysis.
    BOOL OnInitDialog() override;

    // Draws the plot, sized to its control.
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Reads and validates the temperature, then shows the populations at it.
    afx_msg void OnRecompute();
    // Asks for a file and writes the plot there, SVG or PNG by its type; a failure is reported
    // and changes no file.
    afx_msg void OnSavePlot();

    DECLARE_MESSAGE_MAP()

private:
    // Replaces the lists' rows (or, for a constant potential, says there are none).
    void ShowAnalysis();
};
