#pragma once

// Makes a dialog's window and its controls from a dialog template: sizes in pixels from the
// dialog font's base units, controls in template order (the tab order), the caption, and the
// position (a template at 0, 0 centred over the owner, or on the screen).

#include "resource_script/resource_script.h"

#include <QFont>

#include <memory>

class QWidget;
struct DialogWindow;

// The dialog, not yet shown; nullptr after an error naming what is missing or unsupported.
std::unique_ptr<DialogWindow> BuildDialogWindow(const resource::DialogTemplate& dialogTemplate,
                                                QWidget* owner);

// The template's font: "MS Sans Serif" (and the other classic dialog faces) become the
// system's sans-serif face at the same point size.
QFont DialogFont(const resource::FontDescription& font);
