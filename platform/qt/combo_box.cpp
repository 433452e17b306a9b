// Drop-down lists in the Qt backend: a template's COMBOBOX is a QComboBox.

#include "backend/backend.h"
#include "toolkit.h"
#include "window.h"

#include <QComboBox>

namespace {

QComboBox* ComboOf(HWND combo)
{
    return qobject_cast<QComboBox*>(combo->widget);
}

}  // namespace

namespace backend {

int AddComboBoxEntry(HWND combo, std::string_view text)
{
    QComboBox* box = ComboOf(combo);
    if (box == nullptr) return CB_ERR;
    // Adding the first entry would choose it; a native list chooses none until told.
    const int chosen = box->currentIndex();
    box->addItem(FromUtf8(text));
    box->setCurrentIndex(chosen);
    return box->count() - 1;
}

int ComboBoxEntryCount(HWND combo)
{
    const QComboBox* box = ComboOf(combo);
    return box != nullptr ? box->count() : 0;
}

std::optional<std::string> ComboBoxEntry(HWND combo, int index)
{
    const QComboBox* box = ComboOf(combo);
    if (box == nullptr || index < 0 || index >= box->count()) return std::nullopt;
    return box->itemText(index).toStdString();
}

int ComboBoxSelection(HWND combo)
{
    const QComboBox* box = ComboOf(combo);
    return box != nullptr && box->currentIndex() >= 0 ? box->currentIndex() : CB_ERR;
}

bool SelectComboBoxEntry(HWND combo, int index)
{
    QComboBox* box = ComboOf(combo);
    if (box == nullptr || index < -1 || index >= box->count()) return false;
    box->setCurrentIndex(index);
    return true;
}

}  // namespace backend
