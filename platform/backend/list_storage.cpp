#include "backend/list_storage.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace list_storage {

namespace {

constexpr std::uint32_t kOffsetBits = 20;
constexpr std::uint32_t kChunkSize = std::uint32_t{1} << kOffsetBits;
// The last chunk index is left unused so that no handle equals kEmpty.
constexpr std::size_t kMaxChunks = (std::size_t{1} << (32 - kOffsetBits)) - 1;

}  // namespace

std::optional<std::uint32_t> TextArena::Store(std::string_view text)
{
    if (text.empty()) return kEmpty;
    const std::size_t needed = text.size() + 1;
    if (needed > m_lastCapacity - m_usedInLast) {
        if (m_chunks.size() >= kMaxChunks || needed > UINT32_MAX) return std::nullopt;
        // Allocated without being written, so untouched room costs no resident memory.
        m_lastCapacity = static_cast<std::uint32_t>(std::max<std::size_t>(needed, kChunkSize));
        m_chunks.push_back(std::make_unique_for_overwrite<char[]>(m_lastCapacity));
        m_usedInLast = 0;
    }
    char* destination = m_chunks.back().get() + m_usedInLast;
    std::memcpy(destination, text.data(), text.size());
    destination[text.size()] = '\0';
    const auto chunk = static_cast<std::uint32_t>(m_chunks.size() - 1);
    const std::uint32_t handle = (chunk << kOffsetBits) | m_usedInLast;
    // A chunk bigger than kChunkSize holds one long text at offset 0 and nothing after it.
    m_usedInLast = m_lastCapacity > kChunkSize ? m_lastCapacity
                                               : m_usedInLast + static_cast<std::uint32_t>(needed);
    return handle;
}

const char* TextArena::Text(std::uint32_t handle) const
{
    if (handle == kEmpty) return "";
    return m_chunks[handle >> kOffsetBits].get() + (handle & (kChunkSize - 1));
}

void TextArena::Clear()
{
    m_chunks.clear();
    m_chunks.shrink_to_fit();
    m_usedInLast = 0;
    m_lastCapacity = 0;
}

ListStorage::ListStorage() : m_cells(1) {}

int ListStorage::InsertColumn(int column)
{
    column = std::clamp(column, 0, m_columnsDeclared);
    if (m_columnsDeclared++ == 0) return 0;
    std::deque<std::uint32_t> empty(m_cells.front().size(), TextArena::kEmpty);
    m_cells.insert(m_cells.begin() + column, std::move(empty));
    return column;
}

int ListStorage::InsertRow(int position, std::string_view text)
{
    const int count = RowCount();
    if (count == INT_MAX) return -1;
    const std::optional<std::uint32_t> handle = m_arena.Store(text);
    if (!handle) return -1;
    position = std::clamp(position, 0, count);
    for (std::size_t column = 0; column < m_cells.size(); ++column) {
        const std::uint32_t cell = column == 0 ? *handle : TextArena::kEmpty;
        std::deque<std::uint32_t>& cells = m_cells[column];
        if (position == 0)
            cells.push_front(cell);
        else if (position == count)
            cells.push_back(cell);
        else
            cells.insert(cells.begin() + position, cell);
    }
    return position;
}

bool ListStorage::SetText(int row, int column, std::string_view text)
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= CellsPerRow()) return false;
    const std::optional<std::uint32_t> handle = m_arena.Store(text);
    if (!handle) return false;
    m_cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = *handle;
    return true;
}

const char* ListStorage::Text(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= CellsPerRow()) return "";
    return m_arena.Text(m_cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)]);
}

void ListStorage::Clear()
{
    for (std::deque<std::uint32_t>& cells : m_cells) std::deque<std::uint32_t>().swap(cells);
    m_arena.Clear();
}

}  // namespace list_storage
