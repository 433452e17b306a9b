#include "list_window.h"

#include "backend.h"
#include "list_model.h"
#include "toolkit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace {

// Publishes the model's pending changes before the rows are painted, in case a paint comes
// before the event loop has run the model's own publication.
class ListView final : public QTableView {
public:
    ListView(ListModel& model, QWidget* parent) : QTableView(parent), m_model(model) {}

protected:
    bool viewportEvent(QEvent* event) override
    {
        if (event->type() == QEvent::Paint) m_model.Rows().Publish();
        return QTableView::viewportEvent(event);
    }

private:
    ListModel& m_model;
};

}  // namespace

ListWindow::ListWindow(QWidget* parent, bool border, bool tabStop)
    : m_model(std::make_unique<ListModel>())
{
    auto* view = new ListView(*m_model, parent);
    widget = view;
    view->setModel(m_model.get());
    view->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    view->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setSortingEnabled(false);
    view->setCornerButtonEnabled(false);
    view->setTabKeyNavigation(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // Every row has the same height, so the view never measures rows one by one.
    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(QFontMetrics(parent->font()).height() + 4);

    QHeaderView* columns = view->horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
}

ListWindow::~ListWindow() = default;

QTableView& ListWindow::View() const
{
    return *static_cast<QTableView*>(widget);
}

int ListWindow::InsertColumn(int column, std::string_view heading, int format, int widthPixels)
{
    const int index = m_model->InsertColumn(column, heading, format);
    QHeaderView* header = View().horizontalHeader();
    if (widthPixels < 0) {
        widthPixels = header->fontMetrics().horizontalAdvance(FromUtf8(heading)) + 12;
    }
    header->resizeSection(index, widthPixels);
    return index;
}

LRESULT ListWindow::DefaultProc(UINT message, WPARAM, LPARAM)
{
    return ListRowsMessage(m_model->Rows(), message).value_or(0);
}

namespace backend {

ListRows* ListRowsOf(HWND list)
{
    ListWindow* window = list->AsList();
    return window != nullptr ? &window->Model().Rows() : nullptr;
}

int InsertListColumn(HWND list, int column, std::string_view heading, int format, int widthPixels)
{
    ListWindow* window = list->AsList();
    return window != nullptr ? window->InsertColumn(column, heading, format, widthPixels) : -1;
}

}  // namespace backend
