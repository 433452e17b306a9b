#include "ui/force_field_import_dlg.h"

#include "forcefield/type_filter.h"

#include <string>
#include <utility>

namespace {

// Widths in pixels of the columns: types, source, each V, minima, barrier.
constexpr int kTypesWidth = 120;
constexpr int kSourceWidth = 140;
constexpr int kCoefficientWidth = 70;
constexpr int kMinimaWidth = 90;
constexpr int kBarrierWidth = 115;

// kTorsionHeadings' places of the minima and the barrier.
constexpr std::size_t kMinimaHeading = 9;
constexpr std::size_t kBarrierHeading = 10;

bool HasFifthOrSixthTerm(const ForceFieldTorsion& torsion)
{
    return torsion.converted() && (torsion.V[5] != 0.0 || torsion.V[6] != 0.0);
}

}  // namespace

BEGIN_MESSAGE_MAP(CForceFieldImportDlg, CDialog)
    ON_EN_CHANGE(IDC_IMPORT_TYPES, OnTypesChanged)
    ON_NOTIFY(NM_DBLCLK, IDC_IMPORT_TORSIONS, OnTorsionDoubleClick)
END_MESSAGE_MAP()

CForceFieldImportDlg::CForceFieldImportDlg(ForceFieldFileReading file, const std::string& path, CWnd* pParent)
    : CDialog(CForceFieldImportDlg::IDD, pParent), m_file(std::move(file)),
      m_folder(path.substr(0, path.find_last_of("/\\") + 1))
{
    TorsionAnalyses analyses;
    m_texts.reserve(m_file.reading.torsions.size());
    for (const ForceFieldTorsion& torsion : m_file.reading.torsions) {
        m_texts.push_back(TorsionRow(torsion, analyses.Of(torsion)));
        if (!m_texts.back().refusal.empty()) ++m_unusable;
        m_sixTerms = m_sixTerms || HasFifthOrSixthTerm(torsion);
    }
}

void CForceFieldImportDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IMPORT_TORSIONS, m_torsions);
}

BOOL CForceFieldImportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    int column = 0;
    m_torsions.InsertColumn(column++, std::string(kTorsionHeadings[0]).c_str(), LVCFMT_LEFT, kTypesWidth);
    m_torsions.InsertColumn(column++, std::string(kTorsionHeadings[1]).c_str(), LVCFMT_LEFT, kSourceWidth);
    for (std::size_t n = 1; n <= (m_sixTerms ? 6u : 4u); ++n)
        m_torsions.InsertColumn(column++, std::string(kTorsionHeadings[1 + n]).c_str(), LVCFMT_LEFT, kCoefficientWidth);
    m_torsions.InsertColumn(column++, std::string(kTorsionHeadings[kMinimaHeading]).c_str(), LVCFMT_LEFT, kMinimaWidth);
    m_torsions.InsertColumn(column, std::string(kTorsionHeadings[kBarrierHeading]).c_str(), LVCFMT_LEFT, kBarrierWidth);
    ShowTorsions({});
    std::string notes;
    for (const std::string& note : m_file.reading.notes) notes += (notes.empty() ? "" : "; ") + WithoutFolder(note);
    SetDlgItemText(IDC_IMPORT_NOTES, notes.c_str());
    return TRUE;
}

void CForceFieldImportDlg::ShowTorsions(const std::vector<std::string>& asked)
{
    m_torsions.DeleteAllItems();
    m_shown.clear();
    const std::vector<ForceFieldTorsion>& torsions = m_file.reading.torsions;
    const std::size_t terms = m_sixTerms ? 6 : 4;
    for (std::size_t i = 0; i < torsions.size(); ++i) {
        if (!asked.empty() && !TypesMatch(torsions[i].types, asked)) continue;
        const TorsionRowText& text = m_texts[i];
        const int row = m_torsions.InsertItem(m_torsions.GetItemCount(), ShownTypes(torsions[i].types).c_str());
        if (row < 0) continue;
        m_shown.push_back(i);
        m_torsions.SetItemText(row, 1, WithoutFolder(TorsionSource(torsions[i])).c_str());
        if (!text.refusal.empty()) {
            m_torsions.SetItemText(row, 2, text.refusal.c_str());
            continue;
        }
        for (std::size_t n = 0; n < terms; ++n) m_torsions.SetItemText(row, static_cast<int>(2 + n), text.V[n].c_str());
        m_torsions.SetItemText(row, static_cast<int>(2 + terms), text.minima.c_str());
        m_torsions.SetItemText(row, static_cast<int>(3 + terms), text.barrier.c_str());
    }
    std::string summary = "Torsiones propias leídas: " + std::to_string(torsions.size()) + ". Omitidas: " +
                          std::to_string(m_file.reading.impropersSkipped) + " impropias y " +
                          std::to_string(m_unusable) + " que V1…V6 no representan.";
    if (!asked.empty()) summary += " Mostradas: " + std::to_string(m_shown.size()) + ".";
    SetDlgItemText(IDC_IMPORT_SUMMARY, summary.c_str());
}

std::string CForceFieldImportDlg::WithoutFolder(const std::string& text) const
{
    return !m_folder.empty() && text.starts_with(m_folder) ? text.substr(m_folder.size()) : text;
}

void CForceFieldImportDlg::OnTypesChanged()
{
    CString typed;
    GetDlgItemText(IDC_IMPORT_TYPES, typed);
    ShowTorsions(TypeWords(typed.GetString()));
}

void CForceFieldImportDlg::OnOK()
{
    const std::vector<ListRowSpan> selected = m_torsions.GetSelectedSpans();
    if (selected.empty()) {
        CString message;
        message.LoadString(IDS_IMPORT_NO_ROW);
        AfxMessageBox(message, MB_ICONEXCLAMATION);
        return;
    }
    if (selected.size() > 1 || selected[0].first != selected[0].last) {
        CString message;
        message.LoadString(IDS_IMPORT_SEVERAL_ROWS);
        AfxMessageBox(message, MB_ICONEXCLAMATION);
        return;
    }
    Use(selected[0].first);
}

void CForceFieldImportDlg::OnTorsionDoubleClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (row >= 0 && static_cast<std::size_t>(row) < m_shown.size()) Use(row);
}

void CForceFieldImportDlg::Use(int row)
{
    const std::size_t torsion = m_shown[static_cast<std::size_t>(row)];
    const std::string& refusal = m_texts[torsion].refusal;
    if (!refusal.empty()) {
        CString message;
        AfxFormatString1(message, IDS_IMPORT_UNUSABLE_ROW, refusal.c_str());
        AfxMessageBox(message, MB_ICONEXCLAMATION);
        return;
    }
    m_chosen = m_file.reading.torsions[torsion].V;
    EndDialog(IDOK);
}
