#include "list_window.h"

#include "backend/backend.h"
#include "list_model.h"
#include "toolkit.h"

#include "backend/window_map.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>

#include <algorithm>

namespace {

// The virtual-key code of a key a list view reports (LVN_KEYDOWN), or 0.
WORD VirtualKey(int key)
{
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) ||
        key == Qt::Key_Space)
        return static_cast<WORD>(key);   // Qt's codes of these keys are the virtual-key codes
    switch (key) {
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default: return 0;
    }
}

// Publishes the model's pending changes before the rows are painted, in case a paint comes
// before the event loop has run the model's own publication. Keys, double clicks and context
// menus go to the dialog as messages.
class ListView final : public QTableView {
public:
    ListView(ListWindow& window, QWidget* parent) : QTableView(parent), m_window(window) {}

protected:
    bool viewportEvent(QEvent* event) override
    {
        if (event->type() == QEvent::Paint) m_window.Model().Rows().Publish();
        return QTableView::viewportEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (const WORD key = VirtualKey(event->key())) {
            NMLVKEYDOWN notification;
            notification.hdr = {&m_window, static_cast<UINT_PTR>(m_window.controlId), LVN_KEYDOWN};
            notification.wVKey = key;
            window_map::Deliver(&m_window.dialog, WM_NOTIFY, static_cast<WPARAM>(m_window.controlId),
                                reinterpret_cast<LPARAM>(&notification));
        }
        // A Windows list view has no copy or select-all of its own: the dialog decides.
        if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        QTableView::mouseDoubleClickEvent(event);
        if (event->button() != Qt::LeftButton) return;
        const QPoint at = event->position().toPoint();
        const QModelIndex index = indexAt(at);
        NMITEMACTIVATE notification;
        notification.hdr = {&m_window, static_cast<UINT_PTR>(m_window.controlId), NM_DBLCLK};
        notification.iItem = index.isValid() ? index.row() : -1;
        notification.iSubItem = index.isValid() ? index.column() : 0;
        notification.ptAction = {at.x(), at.y()};
        window_map::Deliver(&m_window.dialog, WM_NOTIFY, static_cast<WPARAM>(m_window.controlId),
                            reinterpret_cast<LPARAM>(&notification));
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
        const QPoint at = fromKeyboard ? QPoint(-1, -1) : event->globalPos();
        window_map::Deliver(&m_window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(&m_window),
                            MAKELPARAM(static_cast<UINT>(at.x()), static_cast<UINT>(at.y())));
    }

private:
    ListWindow& m_window;
};

}  // namespace

ListWindow::ListWindow(HWND__& owner, bool border, bool tabStop)
    : dialog(owner), m_model(std::make_unique<ListModel>())
{
    QWidget* parent = owner.widget;
    auto* view = new ListView(*this, parent);
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

LRESULT ListWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CONTEXTMENU) return window_map::Deliver(&dialog, message, wParam, lParam);
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

std::vector<ListRowSpan> SelectedListRows(HWND list)
{
    const ListWindow* window = list->AsList();
    if (window == nullptr) return {};
    std::vector<ListRowSpan> spans;
    for (const QItemSelectionRange& range : window->View().selectionModel()->selection())
        spans.push_back({range.top(), range.bottom()});
    std::sort(spans.begin(), spans.end(),
              [](const ListRowSpan& a, const ListRowSpan& b) { return a.first < b.first; });
    // Ranges of a row-wise selection may overlap or meet (a row selected twice by Ctrl-clicks
    // of its cells, say): merged, each row counts once.
    std::vector<ListRowSpan> merged;
    for (const ListRowSpan& span : spans) {
        if (!merged.empty() && span.first <= merged.back().last + 1)
            merged.back().last = std::max(merged.back().last, span.last);
        else
            merged.push_back(span);
    }
    return merged;
}

void SelectAllListRows(HWND list)
{
    if (ListWindow* window = list->AsList()) window->View().selectAll();
}

}  // namespace backend
