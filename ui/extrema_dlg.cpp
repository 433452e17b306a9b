#include "ui/extrema_dlg.h"

#include "core/conformational_analysis.h"
#include "core/extremum_scan.h"
#include "report/row_text.h"
#include "report/scan_table.h"
#include "ui/about_dlg.h"
#include "ui/analysis_dlg.h"
#include "ui/force_field_export_dlg.h"
#include "ui/profile_fit_dlg.h"
#include "afxdlgs.h"

#include <utility>

BEGIN_MESSAGE_MAP(CExtremaDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_COMPUTE, OnComputeExtrema)
    ON_COMMAND(IDM_ANALYSIS, OnAnalysis)
    ON_COMMAND(IDM_EXPORT_FORCE_FIELD, OnExportForceField)
    ON_COMMAND(IDM_FIT_PROFILE, OnFitProfile)
    ON_WM_CONTEXTMENU()
    ON_NOTIFY(LVN_KEYDOWN, IDC_RESULTS, OnResultsKeyDown)
    ON_COMMAND(IDM_COPY, OnCopy)
    ON_COMMAND(IDM_SELECT_ALL, OnSelectAll)
    ON_COMMAND(IDM_SAVE_AS, OnSaveAs)
    ON_COMMAND(IDM_IMPORT_FORCE_FIELD, OnImportForceField)
END_MESSAGE_MAP()

CExtremaDlg::CExtremaDlg(CWnd* pParent)
    : CDialog(CExtremaDlg::IDD, pParent), m_precision(kDefaultPrecision)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    m_V.fill(0.0);
}

void CExtremaDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESULTS, m_results);
    // The precision comes first, so a bad precision is the one reported when several fields
    // are bad.
    DDX_Text(pDX, IDC_PRECISION, m_precision);
    DDV_MinMaxDouble(pDX, m_precision, kMinPrecision, kMaxPrecision);
    DDX_Text(pDX, IDC_V1, m_V[1]);
    DDX_Text(pDX, IDC_V2, m_V[2]);
    DDX_Text(pDX, IDC_V3, m_V[3]);
    DDX_Text(pDX, IDC_V4, m_V[4]);
    DDX_Text(pDX, IDC_V5, m_V[5]);
    DDX_Text(pDX, IDC_V6, m_V[6]);
}

BOOL CExtremaDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != nullptr) {
        CString strAnalysisMenu;
        strAnalysisMenu.LoadString(IDS_ANALYSIS);
        if (!strAnalysisMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ANALYSIS, strAnalysisMenu);
        }
        CString strImportMenu;
        strImportMenu.LoadString(IDS_IMPORT_FORCE_FIELD);
        if (!strImportMenu.IsEmpty()) pSysMenu->AppendMenu(MF_STRING, IDM_IMPORT_FORCE_FIELD, strImportMenu);
        CString strExportMenu;
        strExportMenu.LoadString(IDS_EXPORT_FORCE_FIELD);
        if (!strExportMenu.IsEmpty()) pSysMenu->AppendMenu(MF_STRING, IDM_EXPORT_FORCE_FIELD, strExportMenu);
        CString strFitMenu;
        strFitMenu.LoadString(IDS_FIT_PROFILE);
        if (!strFitMenu.IsEmpty()) pSysMenu->AppendMenu(MF_STRING, IDM_FIT_PROFILE, strFitMenu);
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }
    LoadAccelTable(IDR_MAIN_ACCELERATORS);

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    constexpr int kColumnWidths[] = {133, 145, 145};
    for (int i = 0; i < 3; ++i)
        m_results.InsertColumn(i, std::string(kTableHeadings[i]).c_str(), LVCFMT_LEFT, kColumnWidths[i]);

    return TRUE;
}

void CExtremaDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else if ((nID & 0xFFF0) == IDM_ANALYSIS) {
        OnAnalysis();
    } else if ((nID & 0xFFF0) == IDM_IMPORT_FORCE_FIELD) {
        OnImportForceField();
    } else if ((nID & 0xFFF0) == IDM_EXPORT_FORCE_FIELD) {
        OnExportForceField();
    } else if ((nID & 0xFFF0) == IDM_FIT_PROFILE) {
        OnFitProfile();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CExtremaDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CExtremaDlg::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(m_hIcon);
}

void CExtremaDlg::OnComputeExtrema()
{
    if (!UpdateData(TRUE)) return;

    m_results.SendMessage(LVM_DELETEALLITEMS);
    m_table = TableInputs{m_V, m_precision};
    // Each row goes to the top, so the finished list shows the largest angle first. A row the
    // list fails to insert (index -1) is lost; the column updates then change nothing.
    ScanForExtrema(m_V, m_precision, [this](const ExtremumRow& row) {
        const ExtremumRowText text = FormatRow(row);
        const int index = m_results.InsertItem(0, text.angle);
        m_results.SetItemText(index, 1, text.derivative);
        m_results.SetItemText(index, 2, text.potential);
    });
}

void CExtremaDlg::OnAnalysis()
{
    if (!UpdateData(TRUE)) return;
    ConformationalAnalysisResult result = AnalyzeConformations(m_V);
    if (!result.ok()) {
        AfxMessageBox(result.refusal.c_str(), MB_ICONEXCLAMATION);
        return;
    }
    CAnalysisDlg dlg(m_V, std::move(result.analysis), this);
    dlg.DoModal();
}

void CExtremaDlg::OnExportForceField()
{
    if (!UpdateData(TRUE)) return;
    CForceFieldExportDlg dlg(m_V, this);
    dlg.DoModal();
}

void CExtremaDlg::OnFitProfile()
{
    CString filter;
    filter.LoadString(IDS_FIT_FILTER);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, filter, this);
    if (dialog.DoModal() != IDOK) return;
    const std::optional<CoefficientSet> V = CProfileFitDlg::FitFile(dialog.GetPathName().str(), this);
    if (V) ShowCoefficients(*V);
}
