#include "afxwin.h"

#include "dialog_builder.h"
#include "dialog_window.h"
#include "report.h"
#include "resources.h"

#include <QEventLoop>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The owner of a dialog: its parent when given, else the application's main window.
QWidget* OwnerWidget(const CWnd* dialog, CWnd* parent)
{
    if (parent != nullptr && parent->m_hWnd != nullptr) return parent->m_hWnd->widget;
    const CWinApp* app = AfxGetApp();
    CWnd* main = app != nullptr ? app->m_pMainWnd : nullptr;
    if (main != nullptr && main != dialog && main->m_hWnd != nullptr) return main->m_hWnd->widget;
    return nullptr;
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != nullptr) {
        ReportFatalError("el diálogo " + std::to_string(m_nIDTemplate) + " ya está abierto");
        return -1;
    }
    const resource::DialogTemplate* dialogTemplate = resources::FindDialog(static_cast<int>(m_nIDTemplate));
    if (dialogTemplate == nullptr) return -1;
    std::unique_ptr<DialogWindow> window =
        BuildDialogWindow(*dialogTemplate, OwnerWidget(this, m_pParentWnd));
    if (window == nullptr) return -1;

    Attach(window.get());
    const BOOL focusFirstTabStop = OnInitDialog();
    int result = -1;
    if (!window->broken) {
        if (focusFirstTabStop) window->FocusFirstTabStop();
        result = window->RunModal(*this);
    }
    window.reset();   // detaches this dialog and every control object attached meanwhile
    return result;
}

void CDialog::EndDialog(int result)
{
    DialogWindow* window = m_hWnd != nullptr ? m_hWnd->AsDialog() : nullptr;
    if (window == nullptr) return;
    window->result = result;
    window->ended = true;
    if (window->loop != nullptr) window->loop->exit();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
