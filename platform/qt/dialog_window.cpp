#include "dialog_window.h"

#include "dialog_widget.h"
#include "hooks.h"
#include "paint_context.h"
#include "report.h"
#include "resources.h"
#include "toolkit.h"

#include <QEventLoop>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

DialogWindow::DialogWindow(int id, bool withSystemMenu) : templateId(id), hasSystemMenu(withSystemMenu)
{
    systemMenuEntries.entries = HMENU__::StandardSystemMenu();
    systemMenu.m_hMenu = &systemMenuEntries;
}

DialogWindow::~DialogWindow()
{
    for (const std::unique_ptr<HWND__>& control : controls) {
        if (control->attached != nullptr) control->attached->Detach();
    }
    if (attached != nullptr) attached->Detach();
    m_dialog.reset();   // the widgets go first: list views before their models
    controls.clear();
}

DialogWidget& DialogWindow::Dialog() const
{
    return *m_dialog;
}

void DialogWindow::SetDialog(std::unique_ptr<DialogWidget> dialog)
{
    m_dialog = std::move(dialog);
    widget = m_dialog.get();
}

HWND__* DialogWindow::FindControl(int id) const
{
    for (const std::unique_ptr<HWND__>& control : controls) {
        if (control->controlId == id) return control.get();
    }
    return nullptr;
}

void DialogWindow::FocusFirstTabStop()
{
    for (const std::unique_ptr<HWND__>& control : controls) {
        QWidget* candidate = control->widget;
        if (candidate->focusPolicy() != Qt::StrongFocus || !candidate->isEnabled() ||
            candidate->isHidden())
            continue;
        candidate->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(candidate)) edit->selectAll();
        return;
    }
}

void DialogWindow::PopupSystemMenu(QPoint globalPosition)
{
    if (!hasSystemMenu) return;
    auto* menu = new QMenu(m_dialog.get());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const HMENU__::Entry& entry : systemMenuEntries.entries) {
        if (entry.IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(FromUtf8(entry.text));
        action->setEnabled(entry.IsEnabled());
        action->setData(QVariant::fromValue(static_cast<qulonglong>(entry.id)));
    }
    QObject::connect(menu, &QMenu::triggered, m_dialog.get(), [this](QAction* action) {
        const auto id = static_cast<WPARAM>(action->data().toULongLong());
        // Sent once the popup has closed, as the window system posts it.
        QMetaObject::invokeMethod(
            m_dialog.get(), [this, id] { Target().SendMessage(WM_SYSCOMMAND, id, 0); },
            Qt::QueuedConnection);
    });
    menu->popup(globalPosition);
}

int DialogWindow::RunModal(CDialog& dialog)
{
    if (ended) return result;
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->show();

    auto& drivers = platform_hooks::PendingDialogDrivers();
    if (!drivers.empty()) {
        platform_hooks::DialogDriver driver = std::move(drivers.front());
        drivers.pop_front();
        QTimer::singleShot(0, m_dialog.get(), [this, &dialog, driver = std::move(driver)] {
            driver(dialog);
            if (!ended) {
                ReportError("la prueba dejó abierto el diálogo " + std::to_string(templateId));
                dialog.EndDialog(-2);
            }
        });
    }

    if (!ended) {
        QEventLoop modalLoop;
        loop = &modalLoop;
        modalLoop.exec(QEventLoop::DialogExec);
        loop = nullptr;
    }
    m_dialog->hide();
    return result;
}

LRESULT DialogWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) Target().SendMessage(WM_CLOSE);
        return 0;
    case WM_CLOSE:
        Target().SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    case WM_PAINT:
        if (currentPaint != nullptr) m_dialog->PaintAsQtDoes(currentPaint);
        return 0;
    case WM_SETICON: {
        HICON& slot = wParam == ICON_BIG ? bigIcon : smallIcon;
        const HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        UpdateWindowIcon();
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_ICONERASEBKGND: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        if (dc == nullptr || !dc->painter.isActive()) return 0;
        dc->painter.fillRect(m_dialog->rect(), m_dialog->palette().window());
        return 1;
    }
    default:
        return 0;
    }
}

void DialogWindow::UpdateWindowIcon()
{
    QIcon icon;
    if (bigIcon != nullptr) icon.addPixmap(QPixmap::fromImage(bigIcon->large));
    if (smallIcon != nullptr) icon.addPixmap(QPixmap::fromImage(smallIcon->small));
    m_dialog->setWindowIcon(icon);
}
