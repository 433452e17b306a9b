#include "afxwin.h"

#include "dialog_window.h"
#include "number_text.h"
#include "report.h"
#include "window.h"

#include <QLineEdit>

namespace {

// Thrown by CDataExchange to end an exchange; caught by UpdateData alone.
struct ExchangeStopped {
    bool missingControl;   // a control missing or unattachable: the dialog must not run
};

}  // namespace

CDataExchange::CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    DialogWindow* dialog = m_pDlgWnd != nullptr && m_pDlgWnd->m_hWnd != nullptr
                               ? m_pDlgWnd->m_hWnd->AsDialog()
                               : nullptr;
    HWND control = dialog != nullptr ? dialog->FindControl(id) : nullptr;
    if (control == nullptr) {
        const std::string owner =
            dialog != nullptr ? "el diálogo " + std::to_string(dialog->templateId) : "la ventana";
        ReportFatalError(owner + " no tiene el control " + std::to_string(id));
        throw ExchangeStopped{true};
    }
    m_idLastControl = static_cast<UINT>(id);
    m_bEditLastControl = FALSE;
    m_pRememberedMember = nullptr;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::RememberMember(double& member)
{
    m_pRememberedMember = &member;
    m_rememberedValue = member;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_pRememberedMember != nullptr)
        *m_pRememberedMember = m_rememberedValue;
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        DialogWindow* dialog = m_pDlgWnd->m_hWnd->AsDialog();
        if (HWND control = dialog->FindControl(static_cast<int>(m_idLastControl))) {
            control->widget->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(control->widget);
                edit != nullptr && m_bEditLastControl)
                edit->selectAll();
        }
    }
    throw ExchangeStopped{false};
}

BOOL CWnd::UpdateData(BOOL save)
{
    CDataExchange exchange(this, save);
    try {
        DoDataExchange(&exchange);
        return TRUE;
    } catch (const ExchangeStopped& stop) {
        if (DialogWindow* dialog = m_hWnd != nullptr ? m_hWnd->AsDialog() : nullptr;
            dialog != nullptr && stop.missingControl)
            dialog->broken = true;
        return FALSE;
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    HWND window = pDX->PrepareCtrl(id);
    if (control.m_hWnd == window || control.Attach(window)) return;
    ReportFatalError("no se puede enlazar el objeto al control " + std::to_string(id) +
                     ": uno de los dos ya está enlazado a otro");
    throw ExchangeStopped{true};
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    HWND edit = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        SetWindowTextOf(*edit, FormatRoundTrip(value));
        return;
    }
    const NumberReading reading = ReadNumber(WindowText(*edit));
    if (!reading.ok()) {
        AfxMessageBox("Escriba un número.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    pDX->RememberMember(value);
    value = reading.value;
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minValue, double maxValue)
{
    if (!pDX->m_bSaveAndValidate) return;
    if (value >= minValue && value <= maxValue) return;   // false for NaN
    const std::string message = "Escriba un número entre " + FormatRoundTrip(minValue) + " y " +
                                FormatRoundTrip(maxValue) + ".";
    AfxMessageBox(message.c_str(), MB_ICONEXCLAMATION);
    pDX->Fail();
}
