#pragma once

// What a paint-context handle points to: a painter open on a window's widget.

#include <QPainter>

struct HDC__ {
    QPainter painter;
};
