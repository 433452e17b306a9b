#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "core/coefficient_set.h"
#include "forcefield/force_field_file.h"
#include "forcefield/torsion_row_text.h"
#include "resource.h"

#include <string>
#include <vector>

// "Importar de un campo de fuerza": the proper torsions of one force-field file, filtered by
// the types the user gives, each with its V1 ... V6 (V1 ... V4 when none of the file has V5 or
// V6), minima and rotation barrier, or the reason it has none, and what the reader remarked on
// the file; the user picks one.
class CForceFieldImportDlg : public CDialog {
public:
    // file: a reading that succeeded, of the file at path; sources and remarks in that file's
    // folder are shown without the folder.
    CForceFieldImportDlg(ForceFieldFileReading file, const std::string& path, CWnd* pParent = nullptr);

    enum { IDD = IDD_FORCE_FIELD_IMPORT };

    // After IDOK: the V1 ... V6 of the torsion chosen.
    const CoefficientSet& ChosenCoefficients() const { return m_chosen; }

protected:
    CListCtrl m_torsions;
    ForceFieldFileReading m_file;
    std::string m_folder;                  // the chosen file's folder, with its separator
    std::vector<TorsionRowText> m_texts;   // one per torsion of the file, in its order
    std::vector<std::size_t> m_shown;      // the torsion of each row of the list
    int m_unusable = 0;                    // torsions with a reason in place of their figures
    bool m_sixTerms = false;               // some torsion of the file has V5 or V6
    CoefficientSet m_chosen{};

    void DoDataExchange(CDataExchange* pDX) override;
    // Adds the columns, lists every torsion and shows the reader's remarks on the file.
    BOOL OnInitDialog() override;
    // «Usar» and Enter: the selected torsion's coefficients, or a message saying why not and
    // the dialog stays.
    void OnOK() override;

    // Lists again the torsions the filter's words match (all of them for none).
    afx_msg void OnTypesChanged();
    // A double click on a row uses that torsion as «Usar» does.
    afx_msg void OnTorsionDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void ShowTorsions(const std::vector<std::string>& asked);
    // Ends the dialog with the coefficients of the torsion on row, or says why it cannot.
    void Use(int row);
    // text without the chosen file's folder in front ("ffbonded.itp:12"), or as it is.
    std::string WithoutFolder(const std::string& text) const;
};
