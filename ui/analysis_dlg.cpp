#include "ui/analysis_dlg.h"

#include "afxdlgs.h"
#include "file_save.h"
#include "plot_file.h"
#include "report/analysis_text.h"
#include "report/potential_plot.h"
#include "scene_drawing.h"
#include "system/atomic_file.h"

#include <string>
#include <utility>

namespace {

// Fills list's columns with headings, each given its share of the list's width.
template <std::size_t N>
void AddColumns(CListCtrl& list, const std::array<std::string_view, N>& headings, const std::array<int, N>& shares)
{
    CRect area;
    list.GetClientRect(&area);
    int total = 0;
    for (const int share : shares) total += share;
    // A little to spare, so that no horizontal scroll bar appears.
    const int width = area.Width() - 4;
    for (std::size_t i = 0; i < N; ++i)
        list.InsertColumn(static_cast<int>(i), std::string(headings[i]).c_str(), LVCFMT_LEFT, width * shares[i] / total);
}

template <std::size_t N>
void FillList(CListCtrl& list, const std::vector<std::array<std::string, N>>& rows)
{
    list.DeleteAllItems();
    for (const std::array<std::string, N>& row : rows) {
        const int index = list.InsertItem(list.GetItemCount(), row[0].c_str());
        for (std::size_t column = 1; column < N; ++column)
            list.SetItemText(index, static_cast<int>(column), row[column].c_str());
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CAnalysisDlg, CDialog)
    ON_WM_DRAWITEM()
    ON_BN_CLICKED(IDC_RECOMPUTE, OnRecompute)
    ON_BN_CLICKED(IDC_SAVE_PLOT, OnSavePlot)
END_MESSAGE_MAP()

CAnalysisDlg::CAnalysisDlg(const CoefficientSet& V, ConformationalAnalysis analysis, CWnd* pParent)
    : CDialog(CAnalysisDlg::IDD, pParent), m_temperature(analysis.temperature), m_V(V),
      m_analysis(std::move(analysis))
{
}

void CAnalysisDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_POINTS, m_points);
    DDX_Control(pDX, IDC_BARRIERS, m_barriers);
    DDX_Text(pDX, IDC_TEMPERATURE, m_temperature);
    DDV_MinMaxDouble(pDX, m_temperature, kMinTemperature, kMaxTemperature);
}

BOOL CAnalysisDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddColumns(m_points, kPointHeadings, {18, 17, 22, 22, 21});
    AddColumns(m_barriers, kBarrierHeadings, {20, 20, 20, 40});
    ShowAnalysis();
    return TRUE;
}

void CAnalysisDlg::ShowAnalysis()
{
    FillList(m_points, PointRows(m_analysis));
    FillList(m_barriers, BarrierRows(m_analysis));
    SetDlgItemText(IDC_ANALYSIS_NOTE, m_analysis.constant ? std::string(kConstantPotentialText).c_str() : "");
}

void CAnalysisDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (nIDCtl != IDC_PLOT) {
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
        return;
    }
    const RECT& area = lpDrawItemStruct->rcItem;
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    DrawScene(dc, PlotPotential(m_V, m_analysis, area.right - area.left, area.bottom - area.top));
    dc.Detach();
}

void CAnalysisDlg::OnRecompute()
{
    if (!UpdateData(TRUE)) return;
    ConformationalAnalysisResult result = AnalyzeConformations(m_V, m_temperature);
    if (!result.ok()) {
        AfxMessageBox(result.refusal.c_str(), MB_ICONEXCLAMATION);
        return;
    }
    m_analysis = std::move(result.analysis);
    ShowAnalysis();
}

void CAnalysisDlg::OnSavePlot()
{
    CString filter;
    filter.LoadString(IDS_PLOT_FILTER);
    CFileDialog dialog(FALSE, "svg", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, this);
    if (dialog.DoModal() != IDOK) return;

    const std::string path = dialog.GetPathName().str();
    const PlotScene scene = PlotPotential(m_V, m_analysis, kPlotFileWidth, kPlotFileHeight);
    std::string bytes;
    FileWriteOutcome outcome;
    if (PlotFileBytes(scene, PlotFileTypeOf(path, dialog.GetFilterIndex()), bytes))
        outcome = WriteFileAtomically(path, [&bytes](const auto& write) { write(bytes); });
    else
        outcome.error = FileWriteError::NoMemory;
    if (!outcome.ok()) ReportFileWriteFailure(IDS_PLOT_SAVE_FAILED, path, outcome);
}
