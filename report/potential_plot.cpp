#include "report/potential_plot.h"

#include "core/potential.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace {

constexpr PlotColor kInk{0, 0, 0};
constexpr PlotColor kGrid{224, 224, 224};
constexpr PlotColor kCurve{0, 82, 155};
constexpr PlotColor kMinimumMark{0, 128, 64};
constexpr PlotColor kMaximumMark{192, 32, 32};
constexpr PlotColor kInflectionMark{128, 128, 128};
constexpr PlotColor kLabel{48, 48, 48};
constexpr PlotColor kUsedMarker{230, 120, 0};
constexpr PlotColor kLeftOutMarker{150, 150, 150};

// The width of a text in a sans-serif face, estimated from its length (digits and most letters
// are about 0.6 em wide); only used to keep texts inside the picture and apart.
double TextWidth(const std::string& text, double size)
{
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;   // UTF-8 lead bytes
    return 0.6 * size * static_cast<double>(characters);
}

// Ticks at first * step, (first + 1) * step, ... last * step, covering the values shown.
struct Axis {
    double first, last, step;
    double low() const { return first * step; }
    double high() const { return last * step; }
};

// A step of 1, 2 or 5 times a power of ten giving about five intervals over [low, high]. A range
// too narrow to tick (a constant potential) is widened to one unit either side.
Axis NiceAxis(double low, double high)
{
    if (!(high - low >= 1e-300)) {
        const double centre = low + 0.5 * (high - low);
        low = centre - 1.0;
        high = centre + 1.0;
    }
    const double raw = (high - low) / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    const double step = (fraction <= 1.0 ? 1.0 : fraction <= 2.0 ? 2.0 : fraction <= 5.0 ? 5.0 : 10.0) * power;
    return {std::floor(low / step), std::ceil(high / step), step};
}

// Where the plot sits in the picture and how values map to pixels.
struct Frame {
    double left, top, right, bottom;   // the frame's edges
    double padding;                    // space above and below the curve inside the frame
    Axis axis;
    double X(double phi) const { return left + (right - left) * phi / 360.0; }
    double Y(double v) const
    {
        const double fraction = (v - axis.low()) / (axis.high() - axis.low());
        return bottom - padding - (bottom - top - 2.0 * padding) * fraction;
    }
};

PlotLine Segment(PlotPoint a, PlotPoint b, PlotColor color) { return {{a, b}, color, 1.0}; }

void AddAxes(const Frame& f, double fontSize, PlotScene& scene)
{
    const double tick = 5.0;
    for (int phi = 0; phi <= 360; phi += 60) {
        const double x = f.X(phi);
        if (phi > 0 && phi < 360) scene.lines.push_back(Segment({x, f.top}, {x, f.bottom}, kGrid));
        scene.lines.push_back(Segment({x, f.bottom}, {x, f.bottom + tick}, kInk));
        scene.texts.push_back({{x, f.bottom + tick + fontSize}, TextAnchor::Middle, FormatG(phi), fontSize, kInk});
    }
    for (double k = f.axis.first; k <= f.axis.last; k += 1.0) {
        const double value = k * f.axis.step + 0.0;   // + 0.0 turns -0 into 0
        const double y = f.Y(value);
        scene.lines.push_back(Segment({f.left, y}, {f.right, y}, kGrid));
        scene.lines.push_back(Segment({f.left - tick, y}, {f.left, y}, kInk));
        scene.texts.push_back({{f.left - tick - 3.0, y + 0.35 * fontSize}, TextAnchor::End, FormatG(value), fontSize, kInk});
    }
    scene.lines.push_back({{{f.left, f.top}, {f.right, f.top}, {f.right, f.bottom}, {f.left, f.bottom}, {f.left, f.top}}, kInk, 1.0});
    scene.texts.push_back({{0.5 * (f.left + f.right), f.bottom + tick + 2.5 * fontSize}, TextAnchor::Middle, "φ (grados)", fontSize, kInk});
    scene.texts.push_back({{4.0, f.top - 0.6 * fontSize}, TextAnchor::Start, "V (kcal/mol)", fontSize, kInk});
}

void AddCurve(const CoefficientSet& V, const ConformationalAnalysis& analysis, const Frame& f, PlotScene& scene)
{
    std::vector<double> angles;
    const int samples = 2 * static_cast<int>(std::ceil(f.right - f.left));
    for (int i = 0; i <= samples; ++i) angles.push_back(360.0 * i / samples);
    for (const StationaryPoint& p : analysis.points) angles.push_back(p.angle);
    std::sort(angles.begin(), angles.end());
    PlotLine curve{{}, kCurve, 2.0};
    for (const double phi : angles) curve.points.push_back({f.X(phi), f.Y(Potential(V, phi))});
    scene.lines.push_back(std::move(curve));
}

struct Box {
    double left, top, right, bottom;
    bool Overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

void AddMarks(const ConformationalAnalysis& analysis, const Frame& f, double fontSize, PlotScene& scene)
{
    std::vector<Box> taken;
    const double radius = 0.3 * fontSize;
    for (const StationaryPoint& p : analysis.points) {
        const PlotPoint at{f.X(p.angle), f.Y(p.potential)};
        if (p.kind == StationaryKind::Inflection) {
            scene.discs.push_back({at, 0.7 * radius, kInflectionMark});
            continue;
        }
        const bool minimum = p.kind == StationaryKind::Minimum;
        scene.discs.push_back({at, radius, minimum ? kMinimumMark : kMaximumMark});

        PlotText label{{at.x, minimum ? at.y + radius + fontSize : at.y - radius - 0.4 * fontSize},
                       TextAnchor::Middle, FormatG(p.angle), fontSize, kLabel};
        const double width = TextWidth(label.text, fontSize);
        double start = at.x - 0.5 * width;
        if (start < f.left + 2.0) {
            label.alignment = TextAnchor::Start;
            label.anchor.x = start = f.left + 2.0;
        } else if (start + width > f.right - 2.0) {
            label.alignment = TextAnchor::End;
            label.anchor.x = f.right - 2.0;
            start = label.anchor.x - width;
        }
        const Box box{start, label.anchor.y - 0.8 * fontSize, start + width, label.anchor.y + 0.2 * fontSize};
        if (std::any_of(taken.begin(), taken.end(), [&](const Box& b) { return b.Overlaps(box); })) continue;
        taken.push_back(box);
        scene.texts.push_back(std::move(label));
    }
}

void AddMarkers(std::span<const PlotMarker> markers, const Frame& f, double fontSize, PlotScene& scene)
{
    for (const PlotMarker& marker : markers) {
        const double y = marker.used ? f.Y(marker.value) : std::max(f.Y(marker.value), f.top);
        scene.discs.push_back({{f.X(marker.angle), y}, 0.25 * fontSize, marker.used ? kUsedMarker : kLeftOutMarker});
    }
}

}  // namespace

PlotScene PlotPotential(const CoefficientSet& V, const ConformationalAnalysis& analysis, int width, int height)
{
    return PlotPotential(V, analysis, width, height, {});
}

PlotScene PlotPotential(const CoefficientSet& V, const ConformationalAnalysis& analysis, int width, int height,
                        std::span<const PlotMarker> markers)
{
    PlotScene scene;
    scene.width = std::clamp(width, kMinPlotWidth, kMaxPlotSide);
    scene.height = std::clamp(height, kMinPlotHeight, kMaxPlotSide);
    const double fontSize = std::clamp(std::round(scene.height / 30.0), 10.0, 16.0);

    // The potential's range: 0 at phi = 180 and the extreme values at the stationary points.
    double low = 0.0, high = 0.0;
    for (const StationaryPoint& p : analysis.points) {
        low = std::min(low, p.potential);
        high = std::max(high, p.potential);
    }
    for (const PlotMarker& marker : markers)
        if (marker.used) {
            low = std::min(low, marker.value);
            high = std::max(high, marker.value);
        }
    const Axis axis = NiceAxis(low, high);

    double labelWidth = 0.0;
    for (double k = axis.first; k <= axis.last; k += 1.0)
        labelWidth = std::max(labelWidth, TextWidth(FormatG(k * axis.step + 0.0), fontSize));
    // Edges on half pixels, so that one-pixel lines fall on whole pixels.
    const auto pixel = [](double v) { return std::floor(v) + 0.5; };
    const Frame frame{pixel(labelWidth + 14.0), pixel(1.8 * fontSize), pixel(scene.width - fontSize - 4.0),
                      pixel(scene.height - 3.0 * fontSize - 8.0), 1.6 * fontSize, axis};

    AddAxes(frame, fontSize, scene);
    AddCurve(V, analysis, frame, scene);
    AddMarkers(markers, frame, fontSize, scene);
    AddMarks(analysis, frame, fontSize, scene);
    return scene;
}
