#include "backend/list_storage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using list_storage::ListStorage;
using list_storage::TextArena;

std::string Column(const ListStorage& list, int column)
{
    std::string joined;
    for (int row = 0; row < list.RowCount(); ++row) {
        if (row > 0) joined += ',';
        joined += list.Text(row, column);
    }
    return joined;
}

ListStorage ThreeColumns()
{
    ListStorage list;
    for (int i = 0; i < 3; ++i) list.InsertColumn(i);
    return list;
}

TEST(ListStorageTest, RowsStayWhereTheyAreInserted)
{
    ListStorage list = ThreeColumns();
    EXPECT_EQ(list.InsertRow(0, "a"), 0);
    EXPECT_EQ(list.InsertRow(0, "b"), 0);
    EXPECT_EQ(list.InsertRow(0, "c"), 0);
    EXPECT_EQ(Column(list, 0), "c,b,a");
    EXPECT_EQ(list.InsertRow(1, "middle"), 1);
    EXPECT_EQ(list.InsertRow(99, "end"), 4);     // past the end: appended
    EXPECT_EQ(list.InsertRow(-5, "first"), 0);   // before the start: at the top
    EXPECT_EQ(Column(list, 0), "first,c,middle,b,a,end");
    EXPECT_EQ(list.RowCount(), 6);
}

TEST(ListStorageTest, CellsFollowTheirRowWhenRowsAreInsertedAbove)
{
    ListStorage list = ThreeColumns();
    const int older = list.InsertRow(0, "60");
    ASSERT_TRUE(list.SetText(older, 1, "0"));
    ASSERT_TRUE(list.SetText(older, 2, "1.5"));
    const int newer = list.InsertRow(0, "120");
    ASSERT_TRUE(list.SetText(newer, 2, "3"));
    EXPECT_EQ(Column(list, 1), ",0");
    EXPECT_EQ(Column(list, 2), "3,1.5");
    ASSERT_TRUE(list.SetText(1, 2, "replaced"));
    EXPECT_STREQ(list.Text(1, 2), "replaced");
}

TEST(ListStorageTest, RefusesCellsOutsideTheList)
{
    ListStorage list = ThreeColumns();
    list.InsertRow(0, "x");
    EXPECT_FALSE(list.SetText(-1, 1, "lost"));
    EXPECT_FALSE(list.SetText(1, 1, "lost"));
    EXPECT_FALSE(list.SetText(0, 3, "lost"));
    EXPECT_FALSE(list.SetText(0, -1, "lost"));
    EXPECT_EQ(Column(list, 1), "");
    EXPECT_STREQ(list.Text(5, 0), "");
    EXPECT_STREQ(list.Text(0, 7), "");
}

TEST(ListStorageTest, ColumnsDeclaredLaterShiftTheCellsAfterThem)
{
    ListStorage list;
    list.InsertRow(0, "item");   // no column yet: the row still keeps its first cell
    EXPECT_EQ(list.CellsPerRow(), 1);
    EXPECT_EQ(list.InsertColumn(0), 0);   // the first column takes the rows' first cells
    EXPECT_STREQ(list.Text(0, 0), "item");
    EXPECT_EQ(list.InsertColumn(5), 1);   // clamped to the end
    ASSERT_TRUE(list.SetText(0, 1, "second"));
    EXPECT_EQ(list.InsertColumn(0), 0);   // a new empty column in front
    EXPECT_STREQ(list.Text(0, 0), "");
    EXPECT_STREQ(list.Text(0, 1), "item");
    EXPECT_STREQ(list.Text(0, 2), "second");
}

TEST(ListStorageTest, ClearEmptiesTheRowsAndKeepsTheColumns)
{
    ListStorage list = ThreeColumns();
    for (int i = 0; i < 1000; ++i) list.InsertRow(0, std::to_string(i));
    list.Clear();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.CellsPerRow(), 3);
    EXPECT_EQ(list.InsertRow(3, "again"), 0);
    EXPECT_TRUE(list.SetText(0, 2, "z"));
    EXPECT_STREQ(list.Text(0, 2), "z");
}

TEST(TextArenaTest, KeepsTextsAcrossChunksIncludingOnesLongerThanAChunk)
{
    TextArena arena;
    const std::string longText(3u << 20, 'L');   // three chunks' worth
    std::vector<std::uint32_t> handles;
    std::vector<std::string> texts;
    for (int i = 0; i < 300'000; ++i) {   // about 2.5 MiB of short texts
        texts.push_back(std::to_string(i) + "t");
        if (i == 100'000) texts.push_back(longText);
    }
    for (const std::string& text : texts) handles.push_back(arena.Store(text).value());
    for (std::size_t i = 0; i < texts.size(); ++i) ASSERT_EQ(arena.Text(handles[i]), texts[i]) << i;
    EXPECT_EQ(arena.Store("").value(), TextArena::kEmpty);
    EXPECT_STREQ(arena.Text(TextArena::kEmpty), "");
}

}  // namespace
