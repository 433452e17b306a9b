#include "scene_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

COLORREF ColorOf(PlotColor color)
{
    return RGB(color.red, color.green, color.blue);
}

// The scene's coordinates are continuous, pixel i spanning [i, i + 1); the context's whole
// coordinates name pixels. So a line's point goes to the pixel it lies in, and an edge (of a
// shape, or a text's anchor) to the nearest pixel boundary.
int PixelOf(double value)
{
    return static_cast<int>(std::floor(value));
}

int EdgeOf(double value)
{
    return static_cast<int>(std::lround(value));
}

UINT AlignmentOf(TextAnchor anchor)
{
    switch (anchor) {
    case TextAnchor::Start: return TA_LEFT | TA_BASELINE;
    case TextAnchor::Middle: return TA_CENTER | TA_BASELINE;
    case TextAnchor::End: return TA_RIGHT | TA_BASELINE;
    }
    return TA_LEFT | TA_BASELINE;
}

void DrawLine(CDC& dc, const PlotLine& line)
{
    std::vector<POINT> points;
    points.reserve(line.points.size());
    for (const PlotPoint& p : line.points) {
        const POINT pixel{PixelOf(p.x), PixelOf(p.y)};
        // Samples closer than a pixel fall on one: each is drawn once.
        if (points.empty() || pixel.x != points.back().x || pixel.y != points.back().y) points.push_back(pixel);
    }
    if (points.size() == 1) points.push_back(points.front());
    CPen pen(PS_SOLID, std::max(1, EdgeOf(line.width)), ColorOf(line.color));
    CPen* previous = dc.SelectObject(&pen);
    dc.Polyline(points.data(), static_cast<int>(points.size()));
    dc.SelectObject(previous);
}

void DrawDisc(CDC& dc, const PlotDisc& disc)
{
    CPen noPen(PS_NULL, 1, 0);
    CBrush brush(ColorOf(disc.color));
    CPen* previousPen = dc.SelectObject(&noPen);
    CBrush* previousBrush = dc.SelectObject(&brush);
    dc.Ellipse(EdgeOf(disc.centre.x - disc.radius), EdgeOf(disc.centre.y - disc.radius),
               EdgeOf(disc.centre.x + disc.radius), EdgeOf(disc.centre.y + disc.radius));
    dc.SelectObject(previousBrush);
    dc.SelectObject(previousPen);
}

void DrawLabel(CDC& dc, const PlotText& text)
{
    LOGFONT description{};
    description.lfHeight = -std::max(1, EdgeOf(text.size));
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    CFont font;
    font.CreateFontIndirect(&description);
    CFont* previous = dc.SelectObject(&font);
    dc.SetTextColor(ColorOf(text.color));
    dc.SetTextAlign(AlignmentOf(text.alignment));
    dc.TextOut(EdgeOf(text.anchor.x), EdgeOf(text.anchor.y), CString(text.text));
    dc.SelectObject(previous);
}

}  // namespace

void DrawScene(CDC& dc, const PlotScene& scene)
{
    const RECT whole{0, 0, EdgeOf(scene.width), EdgeOf(scene.height)};
    dc.FillSolidRect(&whole, ColorOf(scene.background));
    for (const PlotLine& line : scene.lines) DrawLine(dc, line);
    for (const PlotDisc& disc : scene.discs) DrawDisc(dc, disc);
    for (const PlotText& text : scene.texts) DrawLabel(dc, text);
}
