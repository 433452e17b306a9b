#include "afxcmn.h"

#include "list_model.h"
#include "list_window.h"

#include <cstring>

namespace {

ListWindow* ListOf(const CWnd& control)
{
    return control.m_hWnd != nullptr ? control.m_hWnd->AsList() : nullptr;
}

std::string_view TextOf(LPCTSTR text)
{
    return text != nullptr ? std::string_view(text, std::strlen(text)) : std::string_view();
}

}  // namespace

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int widthPixels)
{
    ListWindow* list = ListOf(*this);
    return list != nullptr ? list->InsertColumn(column, TextOf(heading), format, widthPixels) : -1;
}

int CListCtrl::InsertItem(int row, LPCTSTR text)
{
    ListWindow* list = ListOf(*this);
    return list != nullptr ? list->Model().InsertRow(row, TextOf(text)) : -1;
}

BOOL CListCtrl::SetItemText(int row, int column, LPCTSTR text)
{
    ListWindow* list = ListOf(*this);
    return list != nullptr && list->Model().SetText(row, column, TextOf(text)) ? TRUE : FALSE;
}

BOOL CListCtrl::DeleteAllItems()
{
    return SendMessage(LVM_DELETEALLITEMS) != 0 ? TRUE : FALSE;
}

int CListCtrl::GetItemCount() const
{
    const ListWindow* list = ListOf(*this);
    return list != nullptr ? list->Model().Storage().RowCount() : 0;
}

CString CListCtrl::GetItemText(int row, int column) const
{
    const ListWindow* list = ListOf(*this);
    return CString(list != nullptr ? list->Model().Storage().Text(row, column) : "");
}
