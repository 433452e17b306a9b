#include "ui/force_field_export_dlg.h"

#include "afxdlgs.h"
#include "file_save.h"
#include "forcefield/torsion_writer.h"
#include "forcefield/type_filter.h"
#include "system/atomic_file.h"

#include <array>
#include <new>
#include <vector>

namespace {

// The list's entries, in the order of the lines of IDS_EXPORT_FORMATS and IDS_EXPORT_FILTERS.
constexpr std::array<ExportFormat, 10> kFormats{
    ExportFormat::GromacsRb,  ExportFormat::GromacsFourier, ExportFormat::GromacsPeriodic,
    ExportFormat::Charmm,     ExportFormat::Amber,          ExportFormat::Openmm,
    ExportFormat::Offxml,     ExportFormat::LammpsOpls,     ExportFormat::LammpsFourier,
    ExportFormat::LammpsMulti,
};

// The lines of string resource id; none when there is no such string.
std::vector<std::string> ResourceLines(UINT id)
{
    CString text;
    text.LoadString(id);
    std::vector<std::string> lines;
    if (text.IsEmpty()) return lines;
    std::string_view rest = text.str();
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1))
        lines.emplace_back(rest.substr(0, end));
    lines.emplace_back(rest);
    return lines;
}

// The extension of a filter's first pattern ("Texto (*.itp)|*.itp|..." gives "itp"), or "".
std::string FirstExtension(const std::string& filter)
{
    const std::size_t bar = filter.find('|');
    if (bar == std::string::npos) return {};
    const std::size_t dot = filter.find("*.", bar);
    if (dot == std::string::npos) return {};
    const std::size_t end = filter.find_first_of("|;", dot);
    return filter.substr(dot + 2, end == std::string::npos ? std::string::npos : end - dot - 2);
}

}  // namespace

BEGIN_MESSAGE_MAP(CForceFieldExportDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_EXPORT_FORMAT, OnFormatChange)
    ON_EN_CHANGE(IDC_EXPORT_TYPES, OnTypesChange)
    ON_BN_CLICKED(IDC_EXPORT_COPY, OnCopy)
    ON_BN_CLICKED(IDC_EXPORT_SAVE, OnSave)
END_MESSAGE_MAP()

CForceFieldExportDlg::CForceFieldExportDlg(const CoefficientSet& V, CWnd* pParent)
    : CDialog(CForceFieldExportDlg::IDD, pParent), m_V(V)
{
}

void CForceFieldExportDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXPORT_FORMAT, m_format);
}

BOOL CForceFieldExportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const std::string& description : ResourceLines(IDS_EXPORT_FORMATS)) m_format.AddString(description.c_str());
    m_format.SetCurSel(0);
    SetDlgItemText(IDC_EXPORT_TYPES, "X X X X");
    ShowExport();
    return TRUE;
}

void CForceFieldExportDlg::OnFormatChange()
{
    ShowExport();
}

void CForceFieldExportDlg::OnTypesChange()
{
    ShowExport();
}

void CForceFieldExportDlg::ShowExport()
{
    const int index = m_format.GetCurSel();
    if (index < 0 || index >= static_cast<int>(kFormats.size())) return;
    CString typed;
    GetDlgItemText(IDC_EXPORT_TYPES, typed);
    const std::vector<std::string> names = TypeWords(typed.str());
    m_text.clear();
    m_refusal.clear();
    if (names.size() != 4) {
        CString message;
        message.LoadString(IDS_EXPORT_TYPES_NEEDED);
        m_refusal = message.str();
    } else {
        ExportedTorsion exported = ExportTorsion(kFormats[static_cast<std::size_t>(index)], m_V,
                                                 {names[0], names[1], names[2], names[3]});
        m_text = std::move(exported.text);
        m_refusal = std::move(exported.refusal);
    }
    SetDlgItemText(IDC_EXPORT_TEXT, m_refusal.empty() ? m_text.c_str() : m_refusal.c_str());
}

bool CForceFieldExportDlg::HasText()
{
    if (m_refusal.empty()) return true;
    CString message;
    AfxFormatString1(message, IDS_EXPORT_NOTHING, m_refusal.c_str());
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    return false;
}

void CForceFieldExportDlg::OnCopy()
{
    if (!HasText()) return;
    try {
        if (SetClipboardText(m_text)) return;
    } catch (const std::bad_alloc&) {
        // reported below, as a clipboard that refuses the text is
    }
    CString message;
    message.LoadString(IDS_EXPORT_COPY_FAILED);
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}

void CForceFieldExportDlg::OnSave()
{
    if (!HasText()) return;
    const std::vector<std::string> filters = ResourceLines(IDS_EXPORT_FILTERS);
    const auto index = static_cast<std::size_t>(m_format.GetCurSel());
    const std::string filter = index < filters.size() ? filters[index] : std::string();
    const std::string extension = FirstExtension(filter);
    CFileDialog dialog(FALSE, extension.empty() ? nullptr : extension.c_str(), nullptr,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter.c_str(), this);
    if (dialog.DoModal() != IDOK) return;

    const std::string path = dialog.GetPathName().str();
    const std::string& text = m_text;
    const FileWriteOutcome outcome = WriteFileAtomically(path, [&text](const auto& write) { write(text); });
    if (!outcome.ok()) ReportFileWriteFailure(IDS_EXPORT_SAVE_FAILED, path, outcome);
}
