#include "ui/help_dlg.h"

BEGIN_MESSAGE_MAP(CHelpDlg, CDialog)
END_MESSAGE_MAP()

CHelpDlg::CHelpDlg(CWnd* pParent) : CDialog(CHelpDlg::IDD, pParent) {}

BOOL CHelpDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString help;
    if (!help.LoadString(ID_HELP) || help.IsEmpty()) help = "Este programa no tiene texto de ayuda.";
    SetDlgItemText(IDC_HELP_TEXT, help);
    return TRUE;
}
