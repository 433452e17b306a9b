#pragma once

#include "report/plot_scene.h"

#include <string>

// The scene as a standalone SVG 1.1 document in UTF-8, drawn in the scene's order: width, height
// and viewBox in pixels, coordinates to 0.01 pixel written without regard to the process locale,
// texts escaped for XML (control characters, which XML cannot carry, left out). The same scene
// always gives the same text.
std::string WriteSvg(const PlotScene& scene);
