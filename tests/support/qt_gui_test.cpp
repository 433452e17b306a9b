#include "qt_gui_test.h"

#include <QDialog>

QLineEdit* Edit(const CWnd& dlg, int id)
{
    return qobject_cast<QLineEdit*>(platform_testing::ControlOf(dlg, id));
}

QImage DialogSurface(const CWnd& dlg)
{
    QDialog* window = platform_testing::DialogOf(dlg);
    QImage image(window->size(), QImage::Format_RGB32);
    window->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

PictureDifference Difference(const QImage& before, const QImage& after)
{
    PictureDifference difference;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y)) continue;
            difference.bounds |= QRect(x, y, 1, 1);
            ++difference.pixels;
        }
    }
    return difference;
}
