#include "dialog_window.h"

#include "backend.h"
#include "dialog_builder.h"
#include "dialog_widget.h"
#include "paint_context.h"
#include "resources.h"
#include "toolkit.h"
#include "window_map.h"

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
    systemMenu.entries = HMENU__::StandardSystemMenu();
}

DialogWindow::~DialogWindow()
{
    for (const std::unique_ptr<HWND__>& control : controls) window_map::Forget(control.get());
    window_map::Forget(this);
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
    QMenu* menu = MakePopup(systemMenu, m_dialog.get(), [this](UINT_PTR command) {
        window_map::Deliver(this, WM_SYSCOMMAND, command, 0);
    });
    menu->popup(globalPosition);
}

int DialogWindow::RunModal(backend::ModalDialogSite& site)
{
    if (ended) return result;
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->show();
    QTimer::singleShot(0, m_dialog.get(), [&site] { site.Shown(); });

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
        switch (wParam & 0xFFF0) {
        case SC_CLOSE: window_map::Deliver(this, WM_CLOSE, 0, 0); break;
        case SC_MINIMIZE: m_dialog->showMinimized(); break;
        case SC_RESTORE: m_dialog->showNormal(); break;
        default: break;
        }
        return 0;
    case WM_CLOSE:
        window_map::Deliver(this, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
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

namespace backend {

INT_PTR RunModalDialog(UINT templateId, HWND owner, ModalDialogSite& site)
{
    const resource::DialogTemplate* dialogTemplate = resources::FindDialog(static_cast<int>(templateId));
    if (dialogTemplate == nullptr) return -1;
    const std::unique_ptr<DialogWindow> window =
        BuildDialogWindow(*dialogTemplate, owner != nullptr ? owner->widget : nullptr);
    if (window == nullptr) return -1;
    switch (site.Initialize(window.get())) {
    case DialogStart::Abort: return -1;
    case DialogStart::FocusFirstTabStop: window->FocusFirstTabStop(); break;
    case DialogStart::KeepFocus: break;
    }
    return window->RunModal(site);
}

void EndModalDialog(HWND dialog, int result)
{
    DialogWindow* window = dialog->AsDialog();
    if (window == nullptr) return;
    window->result = result;
    window->ended = true;
    if (window->loop != nullptr) window->loop->exit();
}

}  // namespace backend
