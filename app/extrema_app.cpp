#include "app/extrema_app.h"

#include "ui/extrema_dlg.h"
#include "ui/help_dlg.h"

BEGIN_MESSAGE_MAP(CExtremaApp, CWinApp)
    ON_COMMAND(ID_HELP, OnShowHelp)
END_MESSAGE_MAP()

BOOL CExtremaApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    CExtremaDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog has ended, whichever way; returning FALSE ends the program.
    m_pMainWnd = nullptr;
    return FALSE;
}

void CExtremaApp::OnShowHelp()
{
    CHelpDlg help(m_pMainWnd);
    help.DoModal();
}
