#include "afxwin.h"

#include "backend/backend.h"
#include "backend/report.h"
#include "backend/window_map.h"
#include "text/number_text.h"

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
    const HWND window = m_pDlgWnd != nullptr ? m_pDlgWnd->m_hWnd : nullptr;
    const HWND control = window != nullptr ? backend::FindControl(window, id) : nullptr;
    if (control == nullptr) {
        const auto* dialog = dynamic_cast<const CDialog*>(m_pDlgWnd);
        const std::string owner =
            dialog != nullptr ? "el diálogo " + std::to_string(dialog->m_nIDTemplate) : "la ventana";
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
        if (const HWND control =
                backend::FindControl(m_pDlgWnd->m_hWnd, static_cast<int>(m_idLastControl)))
            backend::FocusControl(control, m_bEditLastControl != FALSE);
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
        if (stop.missingControl && m_hWnd != nullptr) window_map::MarkExchangeBroken(m_hWnd);
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

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    HWND box = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = backend::IsButtonChecked(box) ? static_cast<int>(BST_CHECKED) : static_cast<int>(BST_UNCHECKED);
    else
        backend::SetButtonChecked(box, value == static_cast<int>(BST_CHECKED));
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    HWND edit = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        backend::SetText(edit, FormatRoundTrip(value));
        return;
    }
    const NumberReading reading = ReadNumber(backend::Text(edit));
    if (!reading.ok()) {
        const bool outOfRange = reading.error == NumberError::TooLarge || reading.error == NumberError::TooSmall;
        const std::string message =
            outOfRange ? "El número " + OutOfRangeText(reading.error) + "." : "Escriba un número.";
        AfxMessageBox(message.c_str(), MB_ICONEXCLAMATION);
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
