#include "afxcmn.h"

#include "backend/backend.h"
#include "backend/list_rows.h"

#include <algorithm>
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

std::vector<ListRowSpan> CListCtrl::GetSelectedSpans() const
{
    ListRows* rows = RowsOf(*this);
    if (rows == nullptr) return {};
    rows->Publish();   // the view's row indexes are then the program's
    return backend::SelectedListRows(m_hWnd);
}

void CListCtrl::SelectAllItems()
{
    ListRows* rows = RowsOf(*this);
    if (rows == nullptr) return;
    rows->Publish();
    backend::SelectAllListRows(m_hWnd);
}

std::string CListCtrl::GetRowsText(std::string_view prefix, const std::vector<ListRowSpan>& spans,
                                   char separator) const
{
    const ListRows* rows = RowsOf(*this);
    if (rows == nullptr) return std::string(prefix);
    const list_storage::ListStorage& storage = rows->Storage();
    const int columns = storage.CellsPerRow();
    const int count = storage.RowCount();
    // Measured first, then written, so that the text is never reallocated: at a million rows
    // and more, growing it would hold two copies at once.
    const auto forEachRow = [&](auto&& visit) {
        for (const ListRowSpan& span : spans)
            for (int row = std::max(span.first, 0); row <= std::min(span.last, count - 1); ++row)
                visit(row);
    };
    std::size_t size = prefix.size();
    forEachRow([&](int row) {
        for (int column = 0; column < columns; ++column) size += std::strlen(storage.Text(row, column)) + 1;
    });
    std::string text;
    text.reserve(size);
    text += prefix;
    forEachRow([&](int row) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0) text += separator;
            text += storage.Text(row, column);
        }
        text += '\n';
    });
    return text;
}
