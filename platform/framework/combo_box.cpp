#include "afx_combo_box.h"

#include "backend/backend.h"

#include <cstring>

int CComboBox::AddString(LPCTSTR text)
{
    if (m_hWnd == nullptr) return CB_ERR;
    return backend::AddComboBoxEntry(m_hWnd, text != nullptr ? std::string_view(text, std::strlen(text)) : std::string_view());
}

int CComboBox::GetCount() const
{
    return m_hWnd != nullptr ? backend::ComboBoxEntryCount(m_hWnd) : 0;
}

int CComboBox::GetCurSel() const
{
    return m_hWnd != nullptr ? backend::ComboBoxSelection(m_hWnd) : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    return m_hWnd != nullptr && backend::SelectComboBoxEntry(m_hWnd, index) ? index : CB_ERR;
}

void CComboBox::GetLBText(int index, CString& text) const
{
    std::optional<std::string> entry;
    if (m_hWnd != nullptr) entry = backend::ComboBoxEntry(m_hWnd, index);
    text = CString(entry.value_or(std::string()));
}
