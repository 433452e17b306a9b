// The main window's force-field import: the open-file dialog, the file's reading, the list of
// its torsions, and the chosen one's coefficients in the six fields.

#include "ui/extrema_dlg.h"

#include "afxdlgs.h"
#include "forcefield/force_field_file.h"
#include "ui/force_field_import_dlg.h"

#include <utility>

void CExtremaDlg::OnImportForceField()
{
    CString filter;
    filter.LoadString(IDS_FORCE_FIELD_FILTER);
    CFileDialog open(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, filter, this);
    if (open.DoModal() != IDOK) return;
    // The format comes from the file's name and text, as on the command line.
    const std::string path = open.GetPathName().GetString();
    ForceFieldFileReading file = ReadForceFieldFile(path, ForceFieldOptions{});
    if (!file.reading.ok()) {
        AfxMessageBox(file.reading.error.c_str(), MB_ICONEXCLAMATION);
        return;
    }
    CForceFieldImportDlg dlg(std::move(file), path, this);
    if (dlg.DoModal() == IDOK) ShowCoefficients(dlg.ChosenCoefficients());
}

void CExtremaDlg::ShowCoefficients(const CoefficientSet& V)
{
    for (std::size_t n = 1; n <= 6; ++n) m_V[n] = V[n];
    CDataExchange exchange(this, FALSE);
    constexpr int kFields[] = {IDC_V1, IDC_V2, IDC_V3, IDC_V4, IDC_V5, IDC_V6};
    for (std::size_t n = 1; n <= 6; ++n) DDX_Text(&exchange, kFields[n - 1], m_V[n]);
}
