#include "dialog_window.h"

#include "backend/backend.h"
#include "backend/report.h"
#include "backend/window_map.h"
#include "dialog_builder.h"
#include "dialog_widget.h"
#include "paint_context.h"
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

namespace {

// Qt's key for a virtual key: letters and digits share their codes; VK_F1 ... VK_F24 follow one
// another. 0 for any other key.
int QtKeyOf(int virtualKey)
{
    constexpr int kF1 = 0x70, kF24 = 0x87;
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) return virtualKey;
    if (virtualKey >= kF1 && virtualKey <= kF24) return Qt::Key_F1 + (virtualKey - kF1);
    return 0;
}

}  // namespace

bool DialogWindow::TranslateAccelerator(int qtKey, Qt::KeyboardModifiers modifiers)
{
    modifiers &= Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    for (const resource::Accelerator& entry : accelerators) {
        const Qt::KeyboardModifiers wanted = (entry.control ? Qt::ControlModifier : Qt::NoModifier) |
                                             (entry.shift ? Qt::ShiftModifier : Qt::NoModifier) |
                                             (entry.alt ? Qt::AltModifier : Qt::NoModifier);
        if (QtKeyOf(entry.key) != qtKey || modifiers != wanted) continue;
        window_map::Deliver(this, WM_COMMAND, MAKEWPARAM(entry.command, 1), 0);
        return true;
    }
    return false;
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

bool UseAcceleratorTable(HWND dialog, UINT id)
{
    DialogWindow* window = dialog->AsDialog();
    const resource::ResourceScript* script = resources::Script();
    const resource::AcceleratorTable* table = script != nullptr ? script->FindAccelerators(static_cast<int>(id)) : nullptr;
    if (window == nullptr || table == nullptr) {
        ReportError("los recursos no tienen la tabla de atajos " + std::to_string(id));
        return false;
    }
    window->accelerators.clear();
    for (const resource::Accelerator& entry : table->entries) {
        if (QtKeyOf(entry.key) != 0)
            window->accelerators.push_back(entry);
        else
            ReportError("la tecla " + std::to_string(entry.key) + " de la tabla de atajos " + std::to_string(id) +
                        " no está admitida");
    }
    return true;
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
