#include "afxwin.h"

#include "backend/backend.h"
#include "backend/report.h"
#include "backend/window_map.h"
#include "framework/hooks.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The owner of a dialog: its parent when given, else the application's main window.
HWND OwnerWindow(const CWnd* dialog, const CWnd* parent)
{
    if (parent != nullptr && parent->m_hWnd != nullptr) return parent->m_hWnd;
    const CWinApp* app = AfxGetApp();
    const CWnd* main = app != nullptr ? app->m_pMainWnd : nullptr;
    if (main != nullptr && main != dialog) return main->m_hWnd;
    return nullptr;
}

// One modal run of a dialog, as its backend calls back.
class ModalRun final : public backend::ModalDialogSite {
public:
    ModalRun(CDialog& dialog, UINT templateId) : m_dialog(dialog), m_templateId(templateId) {}

    backend::DialogStart Initialize(HWND window) override
    {
        m_dialog.Attach(window);
        const BOOL focusFirstTabStop = m_dialog.OnInitDialog();
        if (window_map::ExchangeBroken(window)) return backend::DialogStart::Abort;
        return focusFirstTabStop ? backend::DialogStart::FocusFirstTabStop
                                 : backend::DialogStart::KeepFocus;
    }

    void Shown() override { platform_hooks::RunNextDialogDriver(m_dialog, m_templateId); }

private:
    CDialog& m_dialog;
    UINT m_templateId;
};

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != nullptr) {
        ReportFatalError("el diálogo " + std::to_string(m_nIDTemplate) + " ya está abierto");
        return -1;
    }
    ModalRun run(*this, m_nIDTemplate);
    // The backend destroys the windows before it returns, which detaches this dialog and every
    // control object attached meanwhile.
    return backend::RunModalDialog(m_nIDTemplate, OwnerWindow(this, m_pParentWnd), run);
}

void CDialog::EndDialog(int result)
{
    if (m_hWnd == nullptr) return;
    window_map::MarkEnded(m_hWnd);
    backend::EndModalDialog(m_hWnd, result);
}

BOOL CDialog::LoadAccelTable(UINT id)
{
    if (m_hWnd == nullptr) {
        ReportError("el diálogo " + std::to_string(m_nIDTemplate) + " aún no tiene ventana para sus atajos");
        return FALSE;
    }
    return backend::UseAcceleratorTable(m_hWnd, id) ? TRUE : FALSE;
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
