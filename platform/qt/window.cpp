#include "window.h"

#include "toolkit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

HWND__::~HWND__()
{
    if (attached != nullptr) attached->m_hWnd = nullptr;
    if (m_temporary != nullptr) m_temporary->m_hWnd = nullptr;
}

CWnd& HWND__::Target()
{
    if (attached != nullptr) return *attached;
    if (m_temporary == nullptr) {
        m_temporary = std::make_unique<CWnd>();
        m_temporary->m_hWnd = this;
    }
    return *m_temporary;
}

LRESULT HWND__::DefaultProc(UINT, WPARAM, LPARAM)
{
    return 0;
}

std::string WindowText(const HWND__& window)
{
    const QWidget* widget = window.widget;
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        text = edit->text();
    else if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (widget != nullptr && widget->isWindow())
        text = widget->windowTitle();
    return text.toStdString();
}

void SetWindowTextOf(HWND__& window, std::string_view text)
{
    QWidget* widget = window.widget;
    const QString value = FromUtf8(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
    else if (widget != nullptr && widget->isWindow())
        widget->setWindowTitle(value);
}
