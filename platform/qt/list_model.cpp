#include "list_model.h"

#include "afxwin.h"
#include "toolkit.h"

#include <QMetaObject>

#include <algorithm>

ListModel::ListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ListModel::InsertColumn(int column, std::string_view heading, int format)
{
    m_rows.Publish();
    column = std::clamp(column, 0, static_cast<int>(m_columns.size()));
    const Qt::Alignment alignment = format == LVCFMT_RIGHT    ? Qt::AlignRight
                                    : format == LVCFMT_CENTER ? Qt::AlignHCenter
                                                              : Qt::AlignLeft;
    beginInsertColumns(QModelIndex(), column, column);
    m_rows.InsertColumn(column);
    m_columns.insert(m_columns.begin() + column,
                     Column{FromUtf8(heading), alignment | Qt::AlignVCenter});
    endInsertColumns();
    return column;
}

void ListModel::RowsAboutToBeInserted(int first, int last)
{
    beginInsertRows(QModelIndex(), first, last);
}

void ListModel::RowsInserted()
{
    endInsertRows();
}

void ListModel::AboutToReset()
{
    beginResetModel();
}

void ListModel::Reset()
{
    endResetModel();
}

void ListModel::TextsChanged(int first, int last)
{
    if (!m_columns.empty())
        emit dataChanged(index(first, 0), index(last, columnCount() - 1), {Qt::DisplayRole});
}

void ListModel::PublishLater()
{
    if (m_publishScheduled) return;
    m_publishScheduled = true;
    // Posted at normal priority, so it runs before the window's paint requests (low priority).
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_publishScheduled = false;
            m_rows.Publish();
        },
        Qt::QueuedConnection);
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.ShownRowCount();
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return FromUtf8(m_rows.ShownText(index.row(), index.column()));
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
