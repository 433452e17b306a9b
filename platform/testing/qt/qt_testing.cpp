#include "testing/qt_testing.h"

#include "qt/window.h"

#include <QPixmap>

namespace platform_testing {

QWidget* WidgetOf(const CWnd& window)
{
    return window.m_hWnd != nullptr ? window.m_hWnd->widget : nullptr;
}

QDialog* DialogOf(const CWnd& dialog)
{
    return qobject_cast<QDialog*>(WidgetOf(dialog));
}

QWidget* ControlOf(const CWnd& dialog, int id)
{
    const CWnd* control = dialog.GetDlgItem(id);
    return control != nullptr ? WidgetOf(*control) : nullptr;
}

QImage GrabWindow(const CWnd& window)
{
    QWidget* widget = WidgetOf(window);
    return widget != nullptr ? widget->grab().toImage() : QImage();
}

}  // namespace platform_testing
