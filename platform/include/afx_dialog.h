#pragma once

// Dialogs made from the resource script's templates.

#include "afx_wnd.h"

// A dialog made from a dialog template of the resource script.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Makes the window and its controls from the template, calls OnInitDialog, shows the
    // dialog and runs its modal loop until EndDialog. Returns EndDialog's result, or -1 (after
    // an error naming it on stderr, and with no dialog shown) when the template, one of its
    // pictures or an exchanged control is missing, or a control cannot be attached.
    virtual INT_PTR DoModal();
    // Ends the modal loop with result; the window goes when the loop has returned.
    void EndDialog(int result);

    // While the dialog runs (call it from OnInitDialog), the keys of accelerator table id
    // (res/zelmara.rc) reach this dialog as commands, whichever control has the focus. FALSE,
    // after an error naming it, when the dialog has no window or there is no such table.
    BOOL LoadAccelTable(UINT id);

    // The base fills the controls from the members (UpdateData(FALSE)) and returns TRUE, which
    // puts the focus on the first tab stop; FALSE leaves the focus alone.
    virtual BOOL OnInitDialog();

protected:
    // IDOK: ends the dialog with IDOK when the exchange succeeds.
    virtual void OnOK();
    // IDCANCEL (also Escape and the close box): ends the dialog with IDCANCEL.
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    friend class CDataExchange;   // names the template in its reports
};
