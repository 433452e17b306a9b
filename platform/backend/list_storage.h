#pragma once

// The cells of a list view, stored compactly so that millions of rows cost a few bytes each:
// every text lives once in an append-only character arena and every cell is a 32-bit handle
// into it, kept column by column in deques (cheap to grow at either end). Free of any toolkit.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace list_storage {

// NUL-terminated texts in 1 MiB chunks (a longer text gets a chunk of its own), addressed by
// handles: chunk index in the high 12 bits, offset in the low 20. Texts never move.
class TextArena {
public:
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;   // the handle of ""

    // Copies text in and returns its handle; nullopt when the arena has no room left (4 GiB).
    std::optional<std::uint32_t> Store(std::string_view text);
    // The text of handle, NUL-terminated.
    const char* Text(std::uint32_t handle) const;
    // Forgets every text and gives the memory back.
    void Clear();

private:
    std::vector<std::unique_ptr<char[]>> m_chunks;
    std::uint32_t m_usedInLast = 0;   // bytes used in the last chunk
    std::uint32_t m_lastCapacity = 0;
};

// The rows and cells of a list. Columns are counted as the list declares them; with no
// column declared, rows still keep the text of their first cell.
class ListStorage {
public:
    ListStorage();

    int RowCount() const { return static_cast<int>(m_cells.front().size()); }
    // The number of cells a row has: the columns declared, and at least one.
    int CellsPerRow() const { return static_cast<int>(m_cells.size()); }

    // Declares a column at position column (clamped to [0, count]). The first column takes the
    // rows' first cells; a later one is inserted empty, and the cells after it move right.
    // Returns the column's index.
    int InsertColumn(int column);

    // Inserts a row with text in its first cell at position (clamped to [0, RowCount()]) and
    // returns its index; -1 when the list cannot hold another row.
    int InsertRow(int position, std::string_view text);

    // Replaces a cell's text; false, and nothing changes, for a row or column out of range or
    // when the arena is full. The replaced text keeps its room until Clear.
    bool SetText(int row, int column, std::string_view text);

    // The text of a cell; "" for one out of range.
    const char* Text(int row, int column) const;

    // Removes every row, keeping the columns.
    void Clear();

private:
    TextArena m_arena;
    int m_columnsDeclared = 0;
    std::vector<std::deque<std::uint32_t>> m_cells;   // m_cells[column][row]: text handles
};

}  // namespace list_storage
