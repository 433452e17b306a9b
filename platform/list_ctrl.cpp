#include "afxcmn.h"

#include "backend.h"
#include "list_rows.h"

#include <cstring>

namespace {

ListRows* RowsOf(const CWnd& control)
{
    return control.m_hWnd != nullptr ? backend::ListRowsOf(control.m_hWnd) : nullptr;
}

std::string_view TextOf(LPCTSTR text)
{
    return text != nullptr ? std::string_view(text, std::strlen(text)) : std::string_view();
}

}  // namespace

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int widthPixels)
{
    if (m_hWnd == nullptr) return -1;
    return backend::InsertListColumn(m_hWnd, column, TextOf(heading), format, widthPixels);
}

int CListCtrl::InsertItem(int row, LPCTSTR text)
{
    ListRows* rows = RowsOf(*this);
    return rows != nullptr ? rows->InsertRow(row, TextOf(text)) : -1;
}

BOOL CListCtrl::SetItemText(int row, int column, LPCTSTR text)
{
    ListRows* rows = RowsOf(*this);
    return rows != nullptr && rows->SetText(row, column, TextOf(text)) ? TRUE : FALSE;
}

BOOL CListCtrl::DeleteAllItems()
{
    return SendMessage(LVM_DELETEALLITEMS) != 0 ? TRUE : FALSE;
}

int CListCtrl::GetItemCount() const
{
    const ListRows* rows = RowsOf(*this);
    return rows != nullptr ? rows->Storage().RowCount() : 0;
}

CString CListCtrl::GetItemText(int row, int column) const
{
    const ListRows* rows = RowsOf(*this);
    return CString(rows != nullptr ? rows->Storage().Text(row, column) : "");
}
