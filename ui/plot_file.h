#pragma once

// The plot saved to a file: the scene's SVG text, or a PNG picture of it drawn through the
// framework layer as the window draws it.

#include "report/plot_scene.h"

#include <string>

enum class PlotFileType { Svg, Png };

// A name ending in .svg or .png (any case) is of that type; any other takes the filter the user
// chose in the save dialog: 1 SVG, 2 PNG.
PlotFileType PlotFileTypeOf(const std::string& path, int filterIndex);

// The bytes of the file. False when a PNG picture cannot be made (no memory for it).
bool PlotFileBytes(const PlotScene& scene, PlotFileType type, std::string& bytes);
