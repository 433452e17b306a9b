#pragma once

// The rows of a list view as the program changes them and as its view has been told of them.
// Changes reach the storage at once; rows inserted at the top or at the bottom are told to the
// view in one batch (Publish), so 1.8 million inserts cost one view update. Until then the view
// sees only what it was told: its rows keep their indexes and texts, and the rows still to be
// told are invisible to it. Any other change is told at once. Free of any toolkit.

#include "afx_types.h"
#include "backend/list_storage.h"

#include <optional>
#include <string_view>

// What a backend's view is told. The About... calls come while the view still sees the old
// rows, the matching calls once it sees the new ones.
class ListRowsObserver {
public:
    virtual void RowsAboutToBeInserted(int first, int last) = 0;
    virtual void RowsInserted() = 0;
    virtual void AboutToReset() = 0;
    virtual void Reset() = 0;
    // The texts of shown rows first ... last changed.
    virtual void TextsChanged(int first, int last) = 0;
    // There are changes to tell: call Publish soon, before the view paints at the latest.
    virtual void PublishLater() = 0;

protected:
    ~ListRowsObserver() = default;
};

class ListRows {
public:
    explicit ListRows(ListRowsObserver& view) : m_view(view) {}
    ListRows(const ListRows&) = delete;
    ListRows& operator=(const ListRows&) = delete;

    // The list as the program sees it: every change so far.
    const list_storage::ListStorage& Storage() const { return m_storage; }

    // As ListStorage's. Rows at the top or bottom are told later; a row anywhere else, and
    // emptying, are told at once (as a reset).
    int InsertRow(int position, std::string_view text);
    bool SetText(int row, int column, std::string_view text);
    void Clear();
    // Tells what is pending first, then declares the column in the storage; the view is told
    // of the column by its caller.
    int InsertColumn(int column);

    // The list as the view sees it.
    int ShownRowCount() const { return m_shownRows; }
    // The text of a shown row's cell; "" for one out of range.
    const char* ShownText(int row, int column) const;

    bool HasPendingChanges() const;
    // Tells the view what it has not been told yet; nothing when there is nothing.
    void Publish();

private:
    ListRowsObserver& m_view;
    list_storage::ListStorage m_storage;
    // Storage rows: m_rowsAtTop not yet told, then m_shownRows told, then m_rowsAtBottom.
    int m_rowsAtTop = 0;
    int m_shownRows = 0;
    int m_rowsAtBottom = 0;
    // Shown rows whose texts changed since the view was last told; empty when first > last.
    int m_firstChanged = 0;
    int m_lastChanged = -1;
};

// The standard processing of the list-view messages that the rows answer themselves, which
// every backend gives its list views: LVM_DELETEALLITEMS empties the list (TRUE) and
// LVM_GETITEMCOUNT counts its rows as the program sees them. nullopt for any other message.
std::optional<LRESULT> ListRowsMessage(ListRows& rows, UINT message);
