// The Qt half of the test driver: keys and clicks through QTest, readings from the widgets.

#include "testing/test_driver.h"

#include "qt/dialog_widget.h"
#include "qt/dialog_window.h"
#include "qt/list_model.h"
#include "qt/list_window.h"
#include "testing/qt_testing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>

namespace test_driver {

namespace {

QWidget* Control(const CWnd& dialog, int id)
{
    QWidget* control = platform_testing::ControlOf(dialog, id);
    if (control == nullptr) ReportFailure("no control " + std::to_string(id) + " in the dialog");
    return control;
}

QLineEdit* Edit(const CWnd& dialog, int id)
{
    auto* edit = qobject_cast<QLineEdit*>(Control(dialog, id));
    if (edit == nullptr) ReportFailure("control " + std::to_string(id) + " is not an edit");
    return edit;
}

QTableView* ListView(const CWnd& dialog, int id)
{
    auto* view = qobject_cast<QTableView*>(Control(dialog, id));
    if (view == nullptr) ReportFailure("control " + std::to_string(id) + " is not a list view");
    return view;
}

const DialogWindow* DialogWindowOf(const CWnd& dialog)
{
    return dialog.m_hWnd != nullptr ? dialog.m_hWnd->AsDialog() : nullptr;
}

}  // namespace

std::unique_ptr<backend::Toolkit> StartApplication(const char* programName)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return backend::StartToolkit(programName);
}

void Type(const CWnd& dialog, int id, std::string_view text)
{
    QLineEdit* edit = Edit(dialog, id);
    if (edit == nullptr) return;
    edit->selectAll();
    const QString typed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    bool ascii = true;
    for (const QChar c : typed) ascii = ascii && c.unicode() < 0x80;
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (ascii)
        QTest::keyClicks(edit, typed);
    else
        edit->insert(typed);   // as an input method commits it: QTest types ASCII only
}

void PressKey(const CWnd& dialog, int id, Key key)
{
    QWidget* control = Control(dialog, id);
    if (control == nullptr) return;
    switch (key) {
    case Key::Enter: QTest::keyClick(control, Qt::Key_Return); break;
    case Key::Escape: QTest::keyClick(control, Qt::Key_Escape); break;
    case Key::Tab: QTest::keyClick(control, Qt::Key_Tab); break;
    case Key::F1: QTest::keyClick(control, Qt::Key_F1); break;
    }
}

namespace {

void PressLetter(const CWnd& dialog, int id, char letter, Qt::KeyboardModifiers modifiers)
{
    QWidget* control = Control(dialog, id);
    if (control == nullptr) return;
    if (letter < 'A' || letter > 'Z') {
        ReportFailure(std::string(1, letter) + " is not a letter key");
        return;
    }
    control->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(control, static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')), modifiers);
}

}  // namespace

void PressCtrlKey(const CWnd& dialog, int id, char letter)
{
    PressLetter(dialog, id, letter, Qt::ControlModifier);
}

void PressCtrlShiftKey(const CWnd& dialog, int id, char letter)
{
    PressLetter(dialog, id, letter, Qt::ControlModifier | Qt::ShiftModifier);
}

void Paste(const CWnd& dialog, int id, std::string_view text)
{
    QLineEdit* edit = Edit(dialog, id);
    if (edit == nullptr) return;
    backend::SetClipboardText(dialog.m_hWnd, std::string(text));
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void Click(const CWnd& dialog, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(Control(dialog, id));
    if (button == nullptr) {
        ReportFailure("control " + std::to_string(id) + " is not a button");
        return;
    }
    // A check box takes a click on its box and label only, which the middle of a wide control
    // may miss.
    QPoint where = button->rect().center();
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        QStyleOptionButton option;
        option.initFrom(box);
        where = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

void CloseBox(const CWnd& dialog)
{
    if (QDialog* window = platform_testing::DialogOf(dialog)) window->close();
}

void Minimize(const CWnd& window)
{
    if (QWidget* widget = platform_testing::WidgetOf(window)) widget->setWindowState(Qt::WindowMinimized);
}

bool ChooseSystemMenuEntry(const CWnd& dialog, UINT id)
{
    const HMENU menu = dialog.m_hWnd != nullptr ? backend::SystemMenu(dialog.m_hWnd, false) : nullptr;
    if (menu == nullptr) return false;
    for (const HMENU__::Entry& entry : menu->entries) {
        if (!entry.IsSeparator() && entry.IsEnabled() && entry.id == id) {
            backend::Send(dialog.m_hWnd, WM_SYSCOMMAND, id, 0);
            return true;
        }
    }
    return false;
}

namespace {

// The middle of row's first cell in list id's viewport, once scrolled into view; nullopt, after
// a failure naming it, when there is no such list or row.
std::optional<QPoint> ShownRowPoint(const CWnd& dialog, int id, int row, QTableView*& view)
{
    view = ListView(dialog, id);
    if (view == nullptr) return std::nullopt;
    LetEventsRun();
    const QModelIndex index = view->model()->index(row, 0);
    if (!index.isValid()) {
        ReportFailure("list " + std::to_string(id) + " has no row " + std::to_string(row));
        return std::nullopt;
    }
    view->scrollTo(index);
    return view->visualRect(index).center();
}

}  // namespace

void ClickListRow(const CWnd& dialog, int id, int row, Modifier modifier)
{
    QTableView* view = nullptr;
    const std::optional<QPoint> point = ShownRowPoint(dialog, id, row, view);
    if (!point) return;
    const Qt::KeyboardModifiers keys = modifier == Modifier::Ctrl    ? Qt::ControlModifier
                                       : modifier == Modifier::Shift ? Qt::ShiftModifier
                                                                     : Qt::NoModifier;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, keys, *point);
}

void DoubleClickListRow(const CWnd& dialog, int id, int row)
{
    QTableView* view = nullptr;
    const std::optional<QPoint> point = ShownRowPoint(dialog, id, row, view);
    if (!point) return;
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, *point);
    LetEventsRun();
}

namespace {

// Shift+F10 in control id: the context menu event a keyboard gives.
QMenu* OpenContextMenu(const CWnd& dialog, int id)
{
    QWidget* control = Control(dialog, id);
    if (control == nullptr) return nullptr;
    LetEventsRun();
    control->setFocus(Qt::OtherFocusReason);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), control->mapToGlobal(QPoint(0, 0)));
    QCoreApplication::sendEvent(control, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

}  // namespace

std::vector<MenuEntry> ContextMenuEntries(const CWnd& dialog, int id)
{
    std::vector<MenuEntry> entries;
    QMenu* menu = OpenContextMenu(dialog, id);
    if (menu == nullptr) return entries;
    for (const QAction* action : menu->actions()) {
        entries.push_back({action->text().toStdString(),
                           static_cast<UINT>(action->data().toULongLong()), action->isSeparator(),
                           action->isEnabled()});
    }
    menu->close();
    LetEventsRun();
    return entries;
}

bool ChooseContextMenuEntry(const CWnd& dialog, int id, UINT command)
{
    QMenu* menu = OpenContextMenu(dialog, id);
    if (menu == nullptr) return false;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isEnabled() || !action->data().isValid() ||
            action->data().toULongLong() != command)
            continue;
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
        LetEventsRun();   // the command, posted once the popup has closed
        return true;
    }
    menu->close();
    LetEventsRun();
    return false;
}

void LetEventsRun()
{
    QCoreApplication::processEvents();
}

void PaintNow(const CWnd& window)
{
    platform_testing::GrabWindow(window);
}

std::string SavePicture(const CWnd& window, const std::string& fileBase)
{
    const std::string fileName = fileBase + ".png";
    const QImage picture = platform_testing::GrabWindow(window);
    return !picture.isNull() && picture.save(QString::fromStdString(fileName)) ? fileName : std::string();
}

std::string Title(const CWnd& window)
{
    const QWidget* widget = platform_testing::WidgetOf(window);
    return widget != nullptr ? widget->windowTitle().toStdString() : std::string();
}

bool IsShown(const CWnd& window)
{
    const QWidget* widget = platform_testing::WidgetOf(window);
    return widget != nullptr && widget->isVisible();
}

std::string ControlText(const CWnd& dialog, int id)
{
    const CWnd* control = dialog.GetDlgItem(id);
    if (control == nullptr) {
        ReportFailure("no control " + std::to_string(id) + " in the dialog");
        return {};
    }
    return backend::Text(control->m_hWnd);
}

std::string SelectedText(const CWnd& dialog, int id)
{
    QWidget* control = Control(dialog, id);
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(control)) {
        // A text cursor ends its selection's lines with U+2029.
        return lines->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')).toStdString();
    }
    const QLineEdit* edit = Edit(dialog, id);
    return edit != nullptr ? edit->selectedText().toStdString() : std::string();
}

int FocusedControl(const CWnd& dialog)
{
    const DialogWindow* window = DialogWindowOf(dialog);
    if (window == nullptr) return 0;
    const QWidget* focus = window->Dialog().focusWidget();
    for (const std::unique_ptr<HWND__>& control : window->controls)
        if (control->widget == focus) return control->controlId;
    return 0;
}

std::vector<std::string> StaticTexts(const CWnd& dialog)
{
    std::vector<std::string> texts;
    const DialogWindow* window = DialogWindowOf(dialog);
    if (window == nullptr) return texts;
    for (const std::unique_ptr<HWND__>& control : window->controls) {
        const auto* label = qobject_cast<const QLabel*>(control->widget);
        if (label != nullptr && label->pixmap().isNull()) texts.push_back(label->text().toStdString());
    }
    return texts;
}

std::vector<std::string> ClippedStaticTexts(const CWnd& dialog)
{
    std::vector<std::string> clipped;
    const DialogWindow* window = DialogWindowOf(dialog);
    if (window == nullptr) return clipped;
    for (const std::unique_ptr<HWND__>& control : window->controls) {
        const auto* label = qobject_cast<const QLabel*>(control->widget);
        if (label == nullptr || !label->pixmap().isNull()) continue;
        const QRect room = label->contentsRect();
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->fontMetrics().horizontalAdvance(label->text()) <= room.width();
        if (!fits) clipped.push_back(label->text().toStdString());
    }
    return clipped;
}

std::string ClipboardText()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText() ? data->text().toStdString() : std::string();
}

std::vector<int> SelectedListRows(const CWnd& dialog, int id)
{
    std::vector<int> rows;
    const CWnd* list = dialog.GetDlgItem(id);
    if (list == nullptr || ListView(dialog, id) == nullptr) return rows;
    for (const ListRowSpan& span : backend::SelectedListRows(list->m_hWnd))
        for (int row = span.first; row <= span.last; ++row) rows.push_back(row);
    return rows;
}

std::vector<std::vector<std::string>> ShownListRows(const CWnd& dialog, int id)
{
    LetEventsRun();
    std::vector<std::vector<std::string>> rows;
    const QTableView* view = ListView(dialog, id);
    if (view == nullptr) return rows;
    const QAbstractItemModel* model = view->model();
    rows.reserve(static_cast<std::size_t>(model->rowCount()));
    for (int row = 0; row < model->rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.push_back(model->index(row, column).data().toString().toStdString());
        rows.push_back(std::move(cells));
    }
    return rows;
}

int ShownListRowCount(const CWnd& dialog, int id)
{
    LetEventsRun();
    const QTableView* view = ListView(dialog, id);
    return view != nullptr ? view->model()->rowCount() : 0;
}

std::vector<std::string> ListHeadings(const CWnd& dialog, int id)
{
    std::vector<std::string> headers;
    const QTableView* view = ListView(dialog, id);
    if (view == nullptr) return headers;
    const QAbstractItemModel* model = view->model();
    for (int column = 0; column < model->columnCount(); ++column)
        headers.push_back(model->headerData(column, Qt::Horizontal).toString().toStdString());
    return headers;
}

std::vector<int> ListColumnWidths(const CWnd& dialog, int id)
{
    std::vector<int> widths;
    const QTableView* view = ListView(dialog, id);
    if (view == nullptr) return widths;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        widths.push_back(view->horizontalHeader()->sectionSize(column));
    return widths;
}

std::vector<SystemMenuEntry> SystemMenuEntries(const CWnd& dialog)
{
    std::vector<SystemMenuEntry> entries;
    const HMENU menu = dialog.m_hWnd != nullptr ? backend::SystemMenu(dialog.m_hWnd, false) : nullptr;
    if (menu == nullptr) return entries;
    for (const HMENU__::Entry& entry : menu->entries) {
        entries.push_back({entry.text, static_cast<UINT>(entry.id), entry.IsSeparator(),
                           entry.IsEnabled()});
    }
    return entries;
}

namespace {

QComboBox* ComboBox(const CWnd& dialog, int id)
{
    auto* combo = qobject_cast<QComboBox*>(Control(dialog, id));
    if (combo == nullptr) ReportFailure("control " + std::to_string(id) + " is not a drop-down list");
    return combo;
}

}  // namespace

void ChooseComboBoxEntry(const CWnd& dialog, int id, int index)
{
    QComboBox* combo = ComboBox(dialog, id);
    if (combo == nullptr) return;
    if (index < 0 || index >= combo->count()) {
        ReportFailure("drop-down list " + std::to_string(id) + " has no entry " + std::to_string(index));
        return;
    }
    combo->setFocus(Qt::OtherFocusReason);
    while (combo->currentIndex() != index) {
        const int before = combo->currentIndex();
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
        if (combo->currentIndex() == before) {
            ReportFailure("the arrow keys do not move drop-down list " + std::to_string(id));
            return;
        }
    }
    LetEventsRun();
}

std::vector<std::string> ComboBoxEntries(const CWnd& dialog, int id)
{
    std::vector<std::string> entries;
    const QComboBox* combo = ComboBox(dialog, id);
    if (combo == nullptr) return entries;
    for (int i = 0; i < combo->count(); ++i) entries.push_back(combo->itemText(i).toStdString());
    return entries;
}

int ComboBoxSelection(const CWnd& dialog, int id)
{
    const QComboBox* combo = ComboBox(dialog, id);
    return combo != nullptr ? combo->currentIndex() : -1;
}

std::vector<std::string> TopLevelWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<std::string> windows;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        windows.push_back(std::string(window->metaObject()->className()) + " " +
                          window->objectName().toStdString());
    }
    return windows;
}

int ShownTopLevelWindows()
{
    int shown = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) shown += window->isVisible();
    return shown;
}

}  // namespace test_driver
