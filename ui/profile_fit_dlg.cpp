#include "ui/profile_fit_dlg.h"

#include "report/fit_plot.h"
#include "report/fit_text.h"
#include "scene_drawing.h"
#include "text/number_text.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr std::array<std::string_view, 2> kFigureHeadings = {"Magnitud", "Valor"};

// Wider than a vertical scroll bar on either backend.
constexpr int kScrollBarSpare = 24;

// A field that may be left empty: blanks alone mean no value; anything else must read as a
// number, as DDX_Text reads it.
void DDX_OptionalNumber(CDataExchange* pDX, int id, std::optional<double>& value)
{
    pDX->PrepareEditCtrl(id);
    CWnd& dialog = *pDX->m_pDlgWnd;
    if (!pDX->m_bSaveAndValidate) {
        dialog.SetDlgItemText(id, value ? FormatRoundTrip(*value).c_str() : "");
        return;
    }
    CString text;
    dialog.GetDlgItemText(id, text);
    if (text.str().find_first_not_of(" \t") == std::string::npos) {
        value.reset();
        return;
    }
    const NumberReading reading = ReadNumber(text.str());
    if (!reading.ok()) {
        AfxMessageBox("Escriba un número, o deje el campo vacío.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    value = reading.value;
}

std::string AtomsText(const DihedralAtoms& atoms)
{
    return std::to_string(atoms[0]) + "," + std::to_string(atoms[1]) + "," + std::to_string(atoms[2]) + "," +
           std::to_string(atoms[3]);
}

// "i,j,k,l", as --dihedral takes it.
void DDX_Dihedral(CDataExchange* pDX, int id, std::optional<DihedralAtoms>& atoms)
{
    pDX->PrepareEditCtrl(id);
    CWnd& dialog = *pDX->m_pDlgWnd;
    if (!pDX->m_bSaveAndValidate) {
        dialog.SetDlgItemText(id, atoms ? AtomsText(*atoms).c_str() : "");
        return;
    }
    CString text;
    dialog.GetDlgItemText(id, text);
    const std::optional<DihedralAtoms> read = ReadDihedralAtoms(text.str());
    if (!read) {
        AfxMessageBox("Escriba los cuatro números de átomo (desde 1) del diedro separados por comas: i,j,k,l.",
                      MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    atoms = read;
}

// Fills list's columns, each given its share of the list's width less spare pixels (a vertical
// scroll bar's, for a list that will have one), so that no horizontal scroll bar appears.
void AddColumns(CListCtrl& list, const std::string_view* headings, const int* shares, int count, int spare)
{
    CRect area;
    list.GetClientRect(&area);
    int total = 0;
    for (int i = 0; i < count; ++i) total += shares[i];
    const int width = area.Width() - 4 - spare;
    for (int i = 0; i < count; ++i)
        list.InsertColumn(i, std::string(headings[i]).c_str(), LVCFMT_LEFT, width * shares[i] / total);
}

}  // namespace

BEGIN_MESSAGE_MAP(CProfileFitDlg, CDialog)
    ON_WM_DRAWITEM()
    ON_BN_CLICKED(IDC_FIT_REFIT, OnRefit)
    ON_BN_CLICKED(IDC_FIT_USE, OnUseCoefficients)
END_MESSAGE_MAP()

CProfileFitDlg::CProfileFitDlg(ProfileSource source, std::optional<ProfileFit> fit, CWnd* pParent)
    : CDialog(CProfileFitDlg::IDD, pParent), m_atoms(source.atoms), m_source(std::move(source)),
      m_fit(std::move(fit))
{
    const TermSet& terms = m_fit ? m_fit->fit.terms : kDefaultTerms;
    for (int n = 1; n <= 6; ++n)
        m_terms[n - 1] = static_cast<int>(terms[static_cast<std::size_t>(n)] ? BST_CHECKED : BST_UNCHECKED);
}

std::optional<CoefficientSet> CProfileFitDlg::FitFile(const std::string& path, CWnd* pParent)
{
    ProfileSourceReading reading = ReadProfileSource(path);
    if (!reading.ok()) {
        CString message;
        AfxFormatString2(message, IDS_FIT_READ_FAILED, reading.source.name.c_str(), reading.error.c_str());
        AfxMessageBox(message, MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    std::optional<ProfileFit> fit;
    const bool needsAtoms = reading.source.format == ProfileFormat::Xtb;
    if (!needsAtoms || reading.source.atoms) {
        ProfileFitResult result = FitProfileSource(reading.source, reading.source.atoms.value_or(DihedralAtoms{}), {});
        if (!result.ok()) {
            AfxMessageBox(result.error.c_str(), MB_ICONEXCLAMATION);
            return std::nullopt;
        }
        fit = std::move(result.fit);
    }
    CProfileFitDlg dlg(std::move(reading.source), std::move(fit), pParent);
    if (dlg.DoModal() != IDOK) return std::nullopt;
    return dlg.Coefficients();
}

void CProfileFitDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIT_FIGURES, m_figures);
    DDX_Control(pDX, IDC_FIT_POINTS, m_points);
    for (int i = 0; i < 6; ++i) DDX_Check(pDX, IDC_FIT_V1 + i, m_terms[i]);
    DDX_OptionalNumber(pDX, IDC_FIT_CUTOFF, m_cutoff);
    DDX_OptionalNumber(pDX, IDC_FIT_BOLTZMANN, m_boltzmann);
    if (m_source.format == ProfileFormat::Xtb) DDX_Dihedral(pDX, IDC_FIT_DIHEDRAL, m_atoms);
}

BOOL CProfileFitDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    constexpr int kFigureShares[] = {66, 34};
    AddColumns(m_figures, kFigureHeadings.data(), kFigureShares, 2, 0);
    constexpr int kPointShares[] = {15, 25, 22, 25, 10};
    AddColumns(m_points, kFitPointHeadings.data(), kPointShares, 5, kScrollBarSpare);
    const std::string file = "Archivo: " + m_source.name + " (formato " + ProfileFormatName(m_source.format) + ")";
    SetDlgItemText(IDC_FIT_FILE, file.c_str());
    if (m_source.format != ProfileFormat::Xtb) GetDlgItem(IDC_FIT_DIHEDRAL)->EnableWindow(FALSE);
    ShowFit();
    return TRUE;
}

void CProfileFitDlg::ShowFit()
{
    m_figures.DeleteAllItems();
    m_points.DeleteAllItems();
    GetDlgItem(IDC_FIT_USE)->EnableWindow(m_fit ? TRUE : FALSE);
    GetDlgItem(IDC_FIT_PLOT)->Invalidate();
    if (!m_fit) {
        SetDlgItemText(IDC_FIT_NOTE,
                       "No se sabe qué diedro explora este registro de xtb: escriba sus cuatro átomos en «Átomos "
                       "del diedro» y pulse «Ajustar de nuevo».");
        return;
    }
    for (const FitFigure& figure : FitFigures(m_fit->fit)) {
        const int row = m_figures.InsertItem(m_figures.GetItemCount(), std::string(figure.name).c_str());
        m_figures.SetItemText(row, 1, figure.value.c_str());
    }
    for (const std::array<std::string, 5>& cells : FitPointRows(m_fit->fit)) {
        const int row = m_points.InsertItem(m_points.GetItemCount(), cells[0].c_str());
        for (int column = 1; column < 5; ++column) m_points.SetItemText(row, column, cells[static_cast<std::size_t>(column)].c_str());
    }
    std::string notes;
    const auto addLine = [&notes](std::string_view text) {
        if (!notes.empty()) notes += '\n';
        notes += WarningText(text);
    };
    for (const std::string& note : m_fit->notes) addLine(note);
    if (!m_fit->fit.warning.empty()) addLine(m_fit->fit.warning);
    SetDlgItemText(IDC_FIT_NOTE, notes.c_str());
}

void CProfileFitDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (nIDCtl != IDC_FIT_PLOT || !m_fit) {
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
        return;
    }
    const RECT& area = lpDrawItemStruct->rcItem;
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    DrawScene(dc, PlotFit(m_fit->fit, m_fit->analysis, area.right - area.left, area.bottom - area.top));
    dc.Detach();
}

void CProfileFitDlg::OnRefit()
{
    if (!UpdateData(TRUE)) return;
    FitOptions options;
    for (int n = 1; n <= 6; ++n) options.terms[static_cast<std::size_t>(n)] = m_terms[n - 1] == static_cast<int>(BST_CHECKED);
    options.cutoff = m_cutoff;
    options.boltzmann = m_boltzmann;
    ProfileFitResult result = FitProfileSource(m_source, m_atoms.value_or(DihedralAtoms{}), options);
    if (!result.ok()) {
        AfxMessageBox(result.error.c_str(), MB_ICONEXCLAMATION);
        return;
    }
    m_fit = std::move(result.fit);
    ShowFit();
}

void CProfileFitDlg::OnUseCoefficients()
{
    if (m_fit) EndDialog(IDOK);
}
