#pragma once

// What paint-context and image handles point to: a painter open on a widget or an image, and
// an image in memory.

#include <QImage>
#include <QPainter>

struct HDC__ {
    // Opens the painter on device, smoothing edges and text as every context does.
    explicit HDC__(QPaintDevice* device)
    {
        painter.begin(device);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    }

    QPainter painter;
};

struct HBITMAP__ {
    QImage image;
};
