// Window handles in the Qt backend: messages, texts, focus and state of any window.

#include "window.h"

#include "backend/backend.h"
#include "backend/window_map.h"
#include "dialog_window.h"
#include "toolkit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

LRESULT HWND__::DefaultProc(UINT, WPARAM, LPARAM)
{
    return 0;
}

namespace backend {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return window_map::Deliver(window, message, wParam, lParam);
}

LRESULT DefaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return window->DefaultProc(message, wParam, lParam);
}

std::string Text(HWND window)
{
    const QWidget* widget = window->widget;
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        text = edit->text();
    else if (const auto* lines = qobject_cast<const QPlainTextEdit*>(widget))
        text = lines->toPlainText();
    else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        text = combo->currentText();
    else if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (widget != nullptr && widget->isWindow())
        text = widget->windowTitle();
    return text.toStdString();
}

void SetText(HWND window, std::string_view text)
{
    QWidget* widget = window->widget;
    const QString value = FromUtf8(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget))
        lines->setPlainText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
    else if (widget != nullptr && widget->isWindow())
        widget->setWindowTitle(value);
}

void FocusControl(HWND control, bool selectText)
{
    control->widget->setFocus(Qt::OtherFocusReason);
    if (!selectText) return;
    if (auto* edit = qobject_cast<QLineEdit*>(control->widget))
        edit->selectAll();
    else if (auto* lines = qobject_cast<QPlainTextEdit*>(control->widget))
        lines->selectAll();
}

bool IsMinimized(HWND window)
{
    return window->widget != nullptr && window->widget->isMinimized();
}

RECT ClientRect(HWND window)
{
    const QWidget* widget = window->widget;
    return RECT{0, 0, widget != nullptr ? widget->width() : 0, widget != nullptr ? widget->height() : 0};
}

RECT WindowRect(HWND window)
{
    const QWidget* widget = window->widget;
    if (widget == nullptr) return RECT{0, 0, 0, 0};
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    return RECT{topLeft.x(), topLeft.y(), topLeft.x() + widget->width(), topLeft.y() + widget->height()};
}

void EnableControl(HWND control, bool enable)
{
    if (control->widget != nullptr) control->widget->setEnabled(enable);
}

bool IsControlEnabled(HWND control)
{
    return control->widget != nullptr && control->widget->isEnabled();
}

void InvalidateWindow(HWND window)
{
    if (window->widget != nullptr) window->widget->update();
}

HWND FindControl(HWND dialog, int id)
{
    const DialogWindow* window = dialog->AsDialog();
    return window != nullptr ? window->FindControl(id) : nullptr;
}

}  // namespace backend

SHORT GetKeyState(int virtualKey)
{
    // The modifiers of the input event being handled, as Qt keeps them.
    const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
    Qt::KeyboardModifier modifier;
    switch (virtualKey) {
    case VK_SHIFT: modifier = Qt::ShiftModifier; break;
    case VK_CONTROL: modifier = Qt::ControlModifier; break;
    case VK_MENU: modifier = Qt::AltModifier; break;
    default: return 0;
    }
    return modifiers.testFlag(modifier) ? static_cast<SHORT>(-0x8000) : SHORT{0};
}
