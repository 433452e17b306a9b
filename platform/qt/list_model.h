#pragma once

// The model behind a list view: the cells in compact storage, and column headings. Changes
// reach the storage at once; the view is told once per batch, when control returns to the
// event loop or, at the latest, before the view paints.

#include "list_storage.h"

#include <QAbstractTableModel>
#include <QString>

#include <string_view>
#include <vector>

class ListModel final : public QAbstractTableModel {
public:
    explicit ListModel(QObject* parent = nullptr);

    const list_storage::ListStorage& Storage() const { return m_storage; }

    // As ListStorage's, telling the view later.
    int InsertRow(int position, std::string_view text);
    bool SetText(int row, int column, std::string_view text);
    void Clear();

    // Adds a column (told to the view at once, after any pending change) and returns its index.
    // format: LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER.
    int InsertColumn(int column, std::string_view heading, int format);

    // Tells the view what changed since it was last told; nothing when nothing did.
    void PublishChanges();
    bool HasPendingChanges() const { return m_pending != Pending::None || m_textsChanged; }

    // The rows the view has been told about.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    enum class Pending { None, RowsAtTop, Reset };
    struct Column {
        QString heading;
        Qt::Alignment alignment;
    };

    void SchedulePublish();

    list_storage::ListStorage m_storage;
    std::vector<Column> m_columns;
    int m_shownRows = 0;
    Pending m_pending = Pending::None;
    int m_pendingRowsAtTop = 0;
    bool m_textsChanged = false;
    bool m_publishScheduled = false;
};
