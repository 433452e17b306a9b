#pragma once

// A picture as a list of simple primitives in pixel coordinates (x to the right, y downward,
// origin at the top-left corner), so that any backend able to draw lines, filled circles and
// aligned text (a window's paint context, the SVG writer) draws the same picture.

#include <cstdint>
#include <string>
#include <vector>

struct PlotColor {
    std::uint8_t red, green, blue;
};

struct PlotPoint {
    double x, y;
};

// An open polyline of at least two points.
struct PlotLine {
    std::vector<PlotPoint> points;
    PlotColor color;
    double width;   // pixels
};

struct PlotDisc {
    PlotPoint centre;
    double radius;   // pixels
    PlotColor color;
};

// Where the text's anchor point lies along its baseline: at its start (left end), its middle or
// its end (right end).
enum class TextAnchor { Start, Middle, End };

struct PlotText {
    PlotPoint anchor;   // on the baseline
    TextAnchor alignment;
    std::string text;   // UTF-8
    double size;        // font size (em height) in pixels, a sans-serif face
    PlotColor color;
};

// Drawn in this order: the background over the whole size, every line in order, every disc,
// then every text.
struct PlotScene {
    double width = 0.0, height = 0.0;   // pixels
    PlotColor background{255, 255, 255};
    std::vector<PlotLine> lines;
    std::vector<PlotDisc> discs;
    std::vector<PlotText> texts;
};
