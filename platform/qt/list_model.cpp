#include "list_model.h"

#include "afxwin.h"
#include "toolkit.h"

#include <QMetaObject>

#include <algorithm>

ListModel::ListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ListModel::InsertRow(int position, std::string_view text)
{
    const int row = m_storage.InsertRow(position, text);
    if (row < 0) return -1;
    // Rows that only ever arrive at the top are told as one insertion; anything else resets.
    if (row == 0 && m_pending != Pending::Reset) {
        m_pending = Pending::RowsAtTop;
        ++m_pendingRowsAtTop;
    } else {
        m_pending = Pending::Reset;
    }
    SchedulePublish();
    return row;
}

bool ListModel::SetText(int row, int column, std::string_view text)
{
    if (!m_storage.SetText(row, column, text)) return false;
    m_textsChanged = true;
    SchedulePublish();
    return true;
}

void ListModel::Clear()
{
    if (m_storage.RowCount() == 0 && m_shownRows == 0) return;
    m_storage.Clear();
    m_pending = Pending::Reset;
    SchedulePublish();
}

int ListModel::InsertColumn(int column, std::string_view heading, int format)
{
    PublishChanges();
    column = std::clamp(column, 0, static_cast<int>(m_columns.size()));
    const Qt::Alignment alignment = format == LVCFMT_RIGHT    ? Qt::AlignRight
                                    : format == LVCFMT_CENTER ? Qt::AlignHCenter
                                                              : Qt::AlignLeft;
    beginInsertColumns(QModelIndex(), column, column);
    m_storage.InsertColumn(column);
    m_columns.insert(m_columns.begin() + column,
                     Column{FromUtf8(heading), alignment | Qt::AlignVCenter});
    endInsertColumns();
    return column;
}

void ListModel::SchedulePublish()
{
    if (m_publishScheduled) return;
    m_publishScheduled = true;
    // Posted at normal priority, so it runs before the window's paint requests (low priority).
    QMetaObject::invokeMethod(this, [this] { PublishChanges(); }, Qt::QueuedConnection);
}

void ListModel::PublishChanges()
{
    m_publishScheduled = false;
    const Pending pending = m_pending;
    m_pending = Pending::None;
    if (pending == Pending::RowsAtTop) {
        beginInsertRows(QModelIndex(), 0, m_pendingRowsAtTop - 1);
        m_shownRows = m_storage.RowCount();
        endInsertRows();
    } else if (pending == Pending::Reset) {
        beginResetModel();
        m_shownRows = m_storage.RowCount();
        endResetModel();
    }
    m_pendingRowsAtTop = 0;
    if (m_textsChanged && m_shownRows > 0 && !m_columns.empty())
        emit dataChanged(index(0, 0), index(m_shownRows - 1, columnCount() - 1), {Qt::DisplayRole});
    m_textsChanged = false;
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole)
        return FromUtf8(m_storage.Text(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(m_columns[static_cast<std::size_t>(index.column())].alignment);
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(m_columns.size()))
        return {};
    const Column& column = m_columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return column.heading;
    if (role == Qt::TextAlignmentRole) return static_cast<int>(column.alignment);
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
