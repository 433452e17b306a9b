// The rows of a list as its view is told of them: what the view sees between a change and its
// publication, and what each observer call sees.

#include "backend/list_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records every call with the view's rows as they were during it: "begin 0-1 [60,0]".
class RecordingView final : public ListRowsObserver {
public:
    ListRows* rows = nullptr;
    std::vector<std::string> calls;
    int publishRequests = 0;

    void RowsAboutToBeInserted(int first, int last) override
    {
        Record("begin " + std::to_string(first) + "-" + std::to_string(last));
    }
    void RowsInserted() override { Record("end"); }
    void AboutToReset() override { Record("about to reset"); }
    void Reset() override { Record("reset"); }
    void TextsChanged(int first, int last) override
    {
        Record("texts " + std::to_string(first) + "-" + std::to_string(last));
    }
    void PublishLater() override { ++publishRequests; }

    // The first cells of the rows the view sees now.
    std::string Shown() const
    {
        std::string shown = "[";
        for (int row = 0; row < rows->ShownRowCount(); ++row) {
            if (row > 0) shown += ',';
            shown += rows->ShownText(row, 0);
        }
        return shown + ']';
    }

private:
    void Record(const std::string& call) { calls.push_back(call + " " + Shown()); }
};

struct ListRowsTest : ::testing::Test {
    RecordingView view;
    ListRows rows{view};
    ListRowsTest()
    {
        view.rows = &rows;
        for (int column = 0; column < 3; ++column) rows.InsertColumn(column);
    }
};

TEST_F(ListRowsTest, RowsAtTheTopAndBottomWaitForPublishWhileTheViewKeepsItsRows)
{
    rows.InsertRow(0, "0");
    rows.InsertRow(0, "60");
    rows.Publish();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"begin 0-1 []", "end [60,0]"}));

    view.calls.clear();
    EXPECT_EQ(rows.InsertRow(0, "120"), 0);
    EXPECT_EQ(rows.InsertRow(0, "180"), 0);
    EXPECT_EQ(rows.InsertRow(4, "last"), 4);
    EXPECT_EQ(rows.Storage().RowCount(), 5);   // the program sees every row at once
    EXPECT_TRUE(rows.HasPendingChanges());
    EXPECT_EQ(view.Shown(), "[60,0]");
    EXPECT_STREQ(rows.ShownText(2, 0), "");    // not a row of the view's
    EXPECT_GE(view.publishRequests, 3);
    EXPECT_TRUE(view.calls.empty());

    rows.Publish();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"begin 0-1 [60,0]", "end [180,120,60,0]",
                                                    "begin 4-4 [180,120,60,0]",
                                                    "end [180,120,60,0,last]"}));
    EXPECT_FALSE(rows.HasPendingChanges());
}

TEST_F(ListRowsTest, ARowElsewhereAndEmptyingAreToldAtOnce)
{
    rows.InsertRow(0, "0");
    rows.InsertRow(0, "60");
    rows.Publish();
    view.calls.clear();

    rows.InsertRow(0, "120");   // pending, told before the reset
    EXPECT_EQ(rows.InsertRow(2, "90"), 2);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"begin 0-0 [60,0]", "end [120,60,0]",
                                                    "about to reset [120,60,0]",
                                                    "reset [120,60,90,0]"}));
    view.calls.clear();
    rows.InsertRow(0, "pending");
    rows.Clear();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"about to reset [120,60,90,0]", "reset []"}));
    EXPECT_FALSE(rows.HasPendingChanges());
    view.calls.clear();
    rows.Clear();   // already empty: nothing to tell
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ListRowsTest, ChangedTextsOfShownRowsAreToldWithTheNextPublicationWhereTheRowsThenAre)
{
    for (const char* angle : {"0", "60", "120"}) rows.InsertRow(0, angle);
    rows.Publish();
    view.calls.clear();

    rows.SetText(rows.InsertRow(0, "180"), 1, "untold row");   // told with its row
    EXPECT_TRUE(rows.SetText(2, 1, "a"));                      // shown row 1 ("60")
    EXPECT_TRUE(rows.SetText(3, 1, "b"));                      // shown row 2 ("0")
    EXPECT_FALSE(rows.SetText(9, 1, "none"));
    rows.Publish();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"begin 0-0 [120,60,0]", "end [180,120,60,0]",
                                                    "texts 2-3 [180,120,60,0]"}));
    EXPECT_STREQ(rows.ShownText(2, 1), "a");
    EXPECT_STREQ(rows.ShownText(0, 1), "untold row");
}

}  // namespace
