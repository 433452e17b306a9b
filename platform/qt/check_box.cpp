// Check boxes in the Qt backend: QCheckBox.

#include "backend/backend.h"
#include "window.h"

#include <QCheckBox>

namespace backend {

bool IsButtonChecked(HWND button)
{
    const auto* box = qobject_cast<const QCheckBox*>(button->widget);
    return box != nullptr && box->isChecked();
}

void SetButtonChecked(HWND button, bool checked)
{
    if (auto* box = qobject_cast<QCheckBox*>(button->widget)) box->setChecked(checked);
}

}  // namespace backend
