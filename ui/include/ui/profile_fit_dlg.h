#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "core/coefficient_set.h"
#include "resource.h"
#include "ui/profile_source.h"

#include <optional>
#include <string>

// "Ajuste a un perfil de energía": the fit of V1 ... V6 to an energy profile read from a file,
// as zelmara-scan --fit makes it: the plot of the fitted potential over the profile's points,
// the figures, the points with their residuals, and the terms, cutoff, Boltzmann temperature
// and (for an xtb log) dihedral of a new fit.
class CProfileFitDlg : public CDialog {
public:
    // source: a profile read; fit: its fit with the default options, or nullopt for an xtb log
    // whose dihedral is not known yet.
    CProfileFitDlg(ProfileSource source, std::optional<ProfileFit> fit, CWnd* pParent = nullptr);

    enum { IDD = IDD_PROFILE_FIT };

    // Reads and fits the profile at path (UTF-8) with the default options, then shows the
    // window. A file that cannot be read or fitted is reported in one message box instead.
    // Returns the coefficients the user chose with «Usar estos coeficientes», or nullopt.
    static std::optional<CoefficientSet> FitFile(const std::string& path, CWnd* pParent);

    // After IDOK: the fitted V1 ... V6 shown last.
    const CoefficientSet& Coefficients() const { return m_fit->fit.V; }

protected:
    CListCtrl m_figures;   // name, value: V1 ... V6, offset, points used and left out, RMSE, largest error
    CListCtrl m_points;    // angle, reference, fitted, residual, used
    int m_terms[6];        // the check boxes V1 ... V6: BST_CHECKED or BST_UNCHECKED
    std::optional<double> m_cutoff;      // kcal/mol; an empty field: none
    std::optional<double> m_boltzmann;   // kelvin; an empty field: none
    std::optional<DihedralAtoms> m_atoms;   // an xtb log's dihedral; exchanged for xtb logs only
    ProfileSource m_source;
    std::optional<ProfileFit> m_fit;   // shown; kept when a new fit is refused

    // The two lists; the terms, cutoff and temperature, and for an xtb log the dihedral. A
    // number or atom list that does not read is reported on its field.
    void DoDataExchange(CDataExchange* pDX) override;
    // Adds the lists' columns, sets the options to the fit's and shows it.
    BOOL OnInitDialog() override;

    // Draws the plot of the fit, sized to its control; nothing before the first fit.
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Reads the terms, cutoff, temperature and dihedral and fits again; a refusal is reported
    // and the fit shown stays.
    afx_msg void OnRefit();
    // Ends the dialog with IDOK, the coefficients in Coefficients().
    afx_msg void OnUseCoefficients();

    DECLARE_MESSAGE_MAP()

private:
    // Replaces the lists, the notes and the plot with m_fit's.
    void ShowFit();
};
