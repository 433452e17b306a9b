#pragma once

#include "afxwin.h"
#include "report/plot_scene.h"

// Draws scene on dc with its top-left corner at the context's origin, in the scene's order, in
// whole pixels: the same picture on every backend, and the same as the scene's SVG form.
void DrawScene(CDC& dc, const PlotScene& scene);
