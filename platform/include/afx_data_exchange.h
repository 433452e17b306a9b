#pragma once

// The exchange of a dialog's fields with its members, and their validation.

#include "afx_wnd.h"

// One run of a window's field exchange (see CWnd::UpdateData).
class CDataExchange {
public:
    // An exchange over dlgWnd's controls: controls to members when saveAndValidate is TRUE,
    // members to controls otherwise.
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;   // TRUE: controls to members, with validation
    CWnd* m_pDlgWnd;           // the window whose controls are exchanged
    UINT m_idLastControl = 0;  // the control last prepared: the one a failure is reported on
    BOOL m_bEditLastControl = FALSE;   // TRUE: it is an edit, whose text a failure selects

    // The control id of the window, which becomes the one a failure is reported on. A
    // missing control is reported on stderr, naming the ID, and ends the exchange.
    HWND PrepareCtrl(int id);
    // As PrepareCtrl, for an edit: a failure also selects its text.
    HWND PrepareEditCtrl(int id);

    // Called by a field exchange before it writes member when saving: a failure of the same
    // field's validation puts the member back, so no member keeps a value that was refused.
    void RememberMember(double& member);

    // Ends the exchange as failed. When saving, the last prepared control gets the focus (an
    // edit with its text selected) and the remembered member gets its value back. The caller
    // reports the failure to the user first.
    [[noreturn]] void Fail();

private:
    double* m_pRememberedMember = nullptr;
    double m_rememberedValue = 0.0;
};

// Attaches control (a CListCtrl, say) to the dialog's control id, once. When the control
// already has another object, or control is attached to another window, the failure is
// reported on stderr, naming the ID, and ends the exchange, as a missing control does.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// Exchanges check box id's state with value: BST_CHECKED (1) or BST_UNCHECKED (0); writing any
// other value than 1 unchecks it.
void DDX_Check(CDataExchange* pDX, int id, int& value);

// Exchanges an edit's text with value. Writing shows the shortest text that reads back to the
// same double ("0.005"); reading accepts blanks around an optionally signed decimal number with
// a point (or, with no point, a comma) and an optional exponent, and refuses anything else
// ("Escriba un número.", or for a number no double can hold, what OutOfRangeText says of it).
void DDX_Text(CDataExchange* pDX, int id, double& value);

// When saving, refuses a value outside [minValue, maxValue] or NaN ("Escriba un número entre
// minValue y maxValue.") on the last prepared control, whose member keeps its previous value.
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minValue, double maxValue);
