// The list view: rows kept where inserted, cells, emptying, columns, and the view told once
// per batch of changes.

#include "gui_test_support.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>

#include <string>

namespace {

using platform_testing::ControlOf;

class ListCtrlTest : public GuiTest {};

std::string FirstColumn(const CListCtrl& list)
{
    std::string joined;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (row > 0) joined += ',';
        joined += list.GetItemText(row, 0).GetString();
    }
    return joined;
}

TEST_F(ListCtrlTest, KeepsRowsWhereTheyAreInserted)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        CListCtrl& list = dlg.m_results;
        for (const char* angle : {"0", "60", "120", "180"}) EXPECT_EQ(list.InsertItem(0, angle), 0);
        EXPECT_EQ(FirstColumn(list), "180,120,60,0");
        EXPECT_EQ(list.InsertItem(2, "90"), 2);
        EXPECT_EQ(list.InsertItem(100, "end"), 5);
        EXPECT_EQ(list.InsertItem(-3, "top"), 0);
        EXPECT_EQ(FirstColumn(list), "top,180,120,90,60,0,end");
        EXPECT_EQ(list.GetItemCount(), 7);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, SetsCellsOfExistingRowsOnly)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        CListCtrl& list = dlg.m_results;
        const int row = list.InsertItem(0, "60");
        EXPECT_TRUE(list.SetItemText(row, 1, "-1.2e-15"));
        EXPECT_TRUE(list.SetItemText(row, 2, "3"));
        list.InsertItem(0, "120");
        EXPECT_EQ(list.GetItemText(1, 1), "-1.2e-15");   // the cell moved down with its row
        EXPECT_EQ(list.GetItemText(1, 2), "3");
        // A failed insertion's index changes nothing, as does a column the list lacks.
        EXPECT_FALSE(list.SetItemText(-1, 1, "lost"));
        EXPECT_FALSE(list.SetItemText(2, 1, "lost"));
        EXPECT_FALSE(list.SetItemText(0, 3, "lost"));
        EXPECT_EQ(list.GetItemText(0, 1), "");
        EXPECT_EQ(list.GetItemCount(), 2);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, DeleteAllItemsAndItsMessageEmptyTheList)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        CListCtrl& list = dlg.m_results;
        for (int i = 0; i < 500; ++i) list.InsertItem(0, std::to_string(i).c_str());
        EXPECT_TRUE(list.DeleteAllItems());
        EXPECT_EQ(list.GetItemCount(), 0);
        for (int i = 0; i < 3; ++i) list.InsertItem(0, "x");
        EXPECT_EQ(list.SendMessage(LVM_GETITEMCOUNT), 3);
        list.SendMessage(LVM_DELETEALLITEMS);
        EXPECT_EQ(list.GetItemCount(), 0);
        EXPECT_EQ(list.InsertItem(0, "again"), 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(qobject_cast<QTableView*>(ControlOf(shown, IDC_RESULTS))->model()->rowCount(), 1);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, ShowsLeftAlignedColumnHeadingsOfTheGivenWidths)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        auto* view = qobject_cast<QTableView*>(ControlOf(shown, IDC_RESULTS));
        ASSERT_NE(view, nullptr);
        const QAbstractItemModel* model = view->model();
        ASSERT_EQ(model->columnCount(), 3);
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Ángulo"));
        EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Derivada de V"));
        EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("V(Kcal/mol)"));
        EXPECT_EQ(view->horizontalHeader()->sectionSize(0), 133);
        EXPECT_EQ(view->horizontalHeader()->sectionSize(1), 145);
        EXPECT_EQ(view->horizontalHeader()->sectionSize(2), 145);
        EXPECT_TRUE(model->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
                    Qt::AlignLeft);
        EXPECT_TRUE(view->horizontalHeader()->isVisible());
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, TheViewIsToldOncePerBatchWhenTheEventLoopRuns)
{
    CTestDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        auto* view = qobject_cast<QTableView*>(ControlOf(shown, IDC_RESULTS));
        const QAbstractItemModel* model = view->model();
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(model, &QAbstractItemModel::modelReset);
        for (int i = 0; i < 10'000; ++i) {
            const int row = dlg.m_results.InsertItem(0, std::to_string(i).c_str());
            dlg.m_results.SetItemText(row, 2, "0");
        }
        EXPECT_EQ(dlg.m_results.GetItemCount(), 10'000);   // the list itself is current
        EXPECT_EQ(model->rowCount(), 0);                    // the view not yet told
        QCoreApplication::processEvents();
        EXPECT_EQ(model->rowCount(), 10'000);
        EXPECT_EQ(inserted.count() + reset.count(), 1);
        EXPECT_EQ(model->data(model->index(0, 0)).toString(), "9999");

        // Emptying and refilling is one more batch; a paint before the event loop runs
        // still shows the current rows.
        dlg.m_results.SendMessage(LVM_DELETEALLITEMS);
        dlg.m_results.InsertItem(0, "a");
        dlg.m_results.InsertItem(1, "b");
        view->grab();
        EXPECT_EQ(model->rowCount(), 2);
        QCoreApplication::processEvents();
        EXPECT_EQ(inserted.count() + reset.count(), 2);
        shown.EndDialog(IDCANCEL);
    });
}

TEST_F(ListCtrlTest, AListWithoutAControlRefusesEverything)
{
    CListCtrl loose;
    EXPECT_EQ(loose.InsertColumn(0, "x"), -1);
    EXPECT_EQ(loose.InsertItem(0, "x"), -1);
    EXPECT_FALSE(loose.SetItemText(0, 0, "x"));
    EXPECT_FALSE(loose.DeleteAllItems());
    EXPECT_EQ(loose.GetItemCount(), 0);
    EXPECT_EQ(loose.GetItemText(0, 0), "");

    // The dialog's list is detached when the dialog ends.
    CTestDlg dlg;
    RunDriven(dlg, [](CDialog& shown) { shown.EndDialog(IDOK); });
    EXPECT_EQ(dlg.m_results.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_results.InsertItem(0, "late"), -1);
}

}  // namespace
