#pragma once

// The item model behind a list view in the Qt backend: the rows (ListRows) and the column
// headings. The view is told of a batch of changes when control returns to the event loop or,
// at the latest, before it paints; until then the model answers for what it has told.

#include "backend/list_rows.h"

#include <QAbstractTableModel>
#include <QString>

#include <string_view>
#include <vector>

class ListModel final : public QAbstractTableModel, private ListRowsObserver {
public:
    explicit ListModel(QObject* parent = nullptr);

    ListRows& Rows() { return m_rows; }

    // Adds a column (told to the view at once, after any pending change) and returns its index.
    // format: LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER.
    int InsertColumn(int column, std::string_view heading, int format);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Column {
        QString heading;
        Qt::Alignment alignment;
    };

    void RowsAboutToBeInserted(int first, int last) override;
    void RowsInserted() override;
    void AboutToReset() override;
    void Reset() override;
    void TextsChanged(int first, int last) override;
    void PublishLater() override;

    ListRows m_rows{*this};
    std::vector<Column> m_columns;
    bool m_publishScheduled = false;
};
