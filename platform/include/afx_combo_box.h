#pragma once

// The drop-down list.

#include "afx_string.h"
#include "afx_wnd.h"

// A drop-down list (a template's COMBOBOX with CBS_DROPDOWNLIST), attached to it by
// DDX_Control. The user's choice reaches the dialog as CBN_SELCHANGE (ON_CBN_SELCHANGE);
// nothing done here notifies. Before it is attached the list has no entries and every change
// fails.
class CComboBox : public CWnd {
public:
    // Appends an entry; its index, or CB_ERR.
    int AddString(LPCTSTR text);
    int GetCount() const;
    // The chosen entry's index, or CB_ERR when none is chosen.
    int GetCurSel() const;
    // Chooses entry index (-1: none); the index, or CB_ERR, changing nothing, when there is no
    // such entry.
    int SetCurSel(int index);
    // The text of entry index; empty for one that does not exist.
    void GetLBText(int index, CString& text) const;
};
