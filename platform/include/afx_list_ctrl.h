#pragma once

// The list view in report mode.

#include "afx_list_row_span.h"
#include "afx_string.h"
#include "afx_wnd.h"

#include <string>
#include <string_view>
#include <vector>

// A list view in report mode, attached to a template's list control by DDX_Control. Rows stay
// where they are inserted; each cell holds a UTF-8 text. Every function reads or changes the
// list at once (what is shown follows when the program returns to its event loop); before it
// is attached, the list has no rows and every change fails.
class CListCtrl : public CWnd {
public:
    // Inserts a column with its heading at position column (clamped to [0, count]): format
    // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER, width in pixels (-1: the heading's width).
    // Cells of later columns move right with it. Returns its index, or -1.
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int widthPixels = -1);

    // Inserts a row with text in its first cell at position row (clamped to [0, count]).
    // Returns the new row's index, or -1 when it could not be inserted.
    int InsertItem(int row, LPCTSTR text);

    // Sets the text of a cell; FALSE, and nothing changes, for a row or column that does not
    // exist (row -1, say).
    BOOL SetItemText(int row, int column, LPCTSTR text);

    // Removes every row; TRUE. LVM_DELETEALLITEMS does the same.
    BOOL DeleteAllItems();

    int GetItemCount() const;
    // The text of a cell; empty for one that does not exist.
    CString GetItemText(int row, int column) const;

    // The selected rows, as the user selected them (clicks, Shift, Ctrl, Ctrl+A), in spans of
    // consecutive rows, top first; empty when none is.
    std::vector<ListRowSpan> GetSelectedSpans() const;
    // Selects every row.
    void SelectAllItems();
    // prefix, then the rows of spans (in that order), each row's cells joined by separator and
    // ended by a line feed: one string, allocated once at its exact size. Rows out of range are
    // left out.
    std::string GetRowsText(std::string_view prefix, const std::vector<ListRowSpan>& spans,
                            char separator) const;
};
