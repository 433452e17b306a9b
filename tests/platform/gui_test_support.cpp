#include "gui_test_support.h"

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CTestApp theTestApp;

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_BN_CLICKED(IDC_COMPUTE, OnComputeExtrema)
END_MESSAGE_MAP()

void CTestDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESULTS, m_results);
    DDX_Text(pDX, IDC_PRECISION, m_precision);
    DDV_MinMaxDouble(pDX, m_precision, 0.0001, 180.);
    DDX_Text(pDX, IDC_V1, m_V[1]);
    DDX_Text(pDX, IDC_V2, m_V[2]);
    DDX_Text(pDX, IDC_V3, m_V[3]);
    DDX_Text(pDX, IDC_V4, m_V[4]);
    DDX_Text(pDX, IDC_V5, m_V[5]);
    DDX_Text(pDX, IDC_V6, m_V[6]);
}

BOOL CTestDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_results.InsertColumn(0, "Ángulo", LVCFMT_LEFT, 133);
    m_results.InsertColumn(1, "Derivada de V", LVCFMT_LEFT, 145);
    m_results.InsertColumn(2, "V(Kcal/mol)", LVCFMT_LEFT, 145);
    return TRUE;
}

void CTestDlg::OnCancel()
{
    ++cancels;
    CDialog::OnCancel();
}

void CTestDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    systemCommands.push_back(nID);
    CDialog::OnSysCommand(nID, lParam);
}

void CTestDlg::OnComputeExtrema()
{
    ++computeClicks;
    if (onCompute) onCompute();
}

BEGIN_MESSAGE_MAP(CPaintingDlg, CTestDlg)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CPaintingDlg::OnPaint()
{
    ++paints;
    CPaintDC dc(this);
    paintsWithDevice += dc.GetSafeHdc() != nullptr;
    if (!IsIconic()) return;   // the surface alone; the controls paint themselves
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

void AppendAboutEntry(CWnd& dlg)
{
    CMenu* menu = dlg.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_ABOUTBOX));
    ASSERT_TRUE(menu->AppendMenu(MF_SEPARATOR));
    ASSERT_TRUE(menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, text));
}
