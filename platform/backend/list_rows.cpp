#include "backend/list_rows.h"

#include <algorithm>

int ListRows::InsertRow(int position, std::string_view text)
{
    const int count = m_storage.RowCount();
    position = std::clamp(position, 0, count);
    if (position == 0 || position == count) {
        const int row = m_storage.InsertRow(position, text);
        if (row < 0) return -1;
        ++(row == 0 ? m_rowsAtTop : m_rowsAtBottom);
        m_view.PublishLater();
        return row;
    }
    Publish();
    m_view.AboutToReset();
    const int row = m_storage.InsertRow(position, text);
    m_shownRows = m_storage.RowCount();
    m_view.Reset();
    return row;
}

bool ListRows::SetText(int row, int column, std::string_view text)
{
    if (!m_storage.SetText(row, column, text)) return false;
    const int shown = row - m_rowsAtTop;
    if (shown >= 0 && shown < m_shownRows) {
        if (m_firstChanged > m_lastChanged) {
            m_firstChanged = m_lastChanged = shown;
        } else {
            m_firstChanged = std::min(m_firstChanged, shown);
            m_lastChanged = std::max(m_lastChanged, shown);
        }
        m_view.PublishLater();
    }
    return true;
}

void ListRows::Clear()
{
    if (m_storage.RowCount() == 0) return;
    m_view.AboutToReset();
    m_storage.Clear();
    m_rowsAtTop = m_shownRows = m_rowsAtBottom = 0;
    m_firstChanged = 0;
    m_lastChanged = -1;
    m_view.Reset();
}

int ListRows::InsertColumn(int column)
{
    Publish();
    return m_storage.InsertColumn(column);
}

const char* ListRows::ShownText(int row, int column) const
{
    if (row < 0 || row >= m_shownRows) return "";
    return m_storage.Text(row + m_rowsAtTop, column);
}

bool ListRows::HasPendingChanges() const
{
    return m_rowsAtTop > 0 || m_rowsAtBottom > 0 || m_firstChanged <= m_lastChanged;
}

void ListRows::Publish()
{
    if (m_rowsAtTop > 0) {
        const int added = m_rowsAtTop;
        m_view.RowsAboutToBeInserted(0, added - 1);
        m_rowsAtTop = 0;
        m_shownRows += added;
        m_firstChanged += added;   // the rows told before move down below the new ones
        m_lastChanged += added;
        m_view.RowsInserted();
    }
    if (m_rowsAtBottom > 0) {
        m_view.RowsAboutToBeInserted(m_shownRows, m_shownRows + m_rowsAtBottom - 1);
        m_shownRows += m_rowsAtBottom;
        m_rowsAtBottom = 0;
        m_view.RowsInserted();
    }
    if (m_firstChanged <= m_lastChanged) {
        const int first = m_firstChanged;
        const int last = m_lastChanged;
        m_firstChanged = 0;
        m_lastChanged = -1;
        m_view.TextsChanged(first, last);
    }
}

std::optional<LRESULT> ListRowsMessage(ListRows& rows, UINT message)
{
    switch (message) {
    case LVM_DELETEALLITEMS:
        rows.Clear();
        return TRUE;
    case LVM_GETITEMCOUNT:
        return rows.Storage().RowCount();
    default:
        return std::nullopt;
    }
}
