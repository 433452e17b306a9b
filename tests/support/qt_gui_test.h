#pragma once

// What the Qt-only GUI tests add to gui_test.h: the widgets behind a running dialog's windows,
// and pictures of what it paints.

#include "gui_test.h"
#include "testing/qt_testing.h"

#include <QImage>
#include <QLineEdit>
#include <QRect>


// The edit with ID id of a running dialog.
QLineEdit* Edit(const CWnd& dlg, int id);
// The dialog's own surface as it paints it now, without its controls.
QImage DialogSurface(const CWnd& dlg);
// The smallest rectangle holding every pixel in which two pictures of one size differ (empty
// when none does), and how many pixels differ.
struct PictureDifference {
    QRect bounds;
    int pixels = 0;
};
PictureDifference Difference(const QImage& before, const QImage& after);
