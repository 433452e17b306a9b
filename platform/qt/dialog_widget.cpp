#include "dialog_widget.h"

#include "backend/window_map.h"
#include "dialog_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>

DialogWidget::DialogWidget(DialogWindow& window, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         (window.hasSystemMenu
                              ? Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                              : Qt::WindowFlags())),
      m_window(window)
{
    WatchKeys(this);
}

void DialogWidget::reject()
{
    window_map::Deliver(&m_window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void DialogWidget::accept()
{
    window_map::Deliver(&m_window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void DialogWidget::WatchKeys(QWidget* widget)
{
    widget->installEventFilter(this);
}

void DialogWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    window_map::Deliver(&m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogWidget::paintEvent(QPaintEvent* event)
{
    QPaintEvent* const outer = m_window.currentPaint;
    m_window.currentPaint = event;
    window_map::Deliver(&m_window, WM_PAINT, 0, 0);
    m_window.currentPaint = outer;
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event)
{
    const QWidget* child = childAt(event->pos());
    if (child != nullptr && qobject_cast<const QLabel*>(child) == nullptr) {
        event->ignore();
        return;
    }
    m_window.PopupSystemMenu(event->globalPos());
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (m_window.TranslateAccelerator(key->key(), modifiers)) return true;
        if (key->key() == Qt::Key_F1 && modifiers == Qt::NoModifier) {
            window_map::Deliver(&m_window, WM_HELP, 0, 0);
            return true;
        }
        if (key->key() == Qt::Key_Space && modifiers == Qt::AltModifier) {
            m_window.PopupSystemMenu(mapToGlobal(QPoint(0, 0)));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
