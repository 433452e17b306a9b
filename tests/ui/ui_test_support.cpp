#include "ui_test_support.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>

// The test program's application object, as the program has one.
CExtremaApp theApp;

namespace {

QAbstractItemModel* ResultModel(const CWnd& dlg)
{
    auto* view = qobject_cast<QAbstractItemView*>(platform_testing::ControlOf(dlg, IDC_RESULTS));
    EXPECT_NE(view, nullptr);
    return view ? view->model() : nullptr;
}

}  // namespace

std::vector<std::vector<std::string>> ListRows(const CWnd& dlg)
{
    // The view learns of a batch of changes when control returns to the event loop.
    QCoreApplication::processEvents();
    std::vector<std::vector<std::string>> rows;
    QAbstractItemModel* model = ResultModel(dlg);
    if (!model) return rows;
    rows.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.push_back(model->index(row, column).data().toString().toStdString());
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::vector<std::string> ListHeaders(const CWnd& dlg)
{
    std::vector<std::string> headers;
    QAbstractItemModel* model = ResultModel(dlg);
    if (!model) return headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers.push_back(model->headerData(column, Qt::Horizontal).toString().toStdString());
    return headers;
}

std::vector<int> ListColumnWidths(const CWnd& dlg)
{
    std::vector<int> widths;
    auto* view = qobject_cast<QTableView*>(platform_testing::ControlOf(dlg, IDC_RESULTS));
    if (!view) return widths;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        widths.push_back(view->horizontalHeader()->sectionSize(column));
    return widths;
}

void ClickCompute(const CWnd& dlg)
{
    ClickButton(dlg, IDC_COMPUTE);
}
