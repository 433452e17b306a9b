#pragma once

#include "core/coefficient_set.h"
#include "core/conformational_analysis.h"
#include "report/plot_scene.h"

#include <span>

// The size range of a plot in pixels; a size outside it is brought to the nearest end.
inline constexpr int kMinPlotWidth = 240;
inline constexpr int kMinPlotHeight = 160;
inline constexpr int kMaxPlotSide = 8000;

// The size of the plot saved to a file, by the window and by zelmara-scan --plot alike.
inline constexpr int kPlotFileWidth = 800;
inline constexpr int kPlotFileHeight = 500;

// The picture of V(phi) over phi = 0 ... 360 for coefficients V and their analysis (a successful
// AnalyzeConformations(V, ...)), width x height pixels: a frame with phi ticks every 60 degrees
// and V ticks at steps of 1, 2 or 5 times a power of ten, light grid lines at the ticks, "%g"
// tick labels, the axis titles "φ (grados)" and "V (kcal/mol)"; the curve through at least two
// samples per pixel column and every stationary point; each minimum and maximum marked by a
// disc and labelled with its angle ("%g") where the label does not cover another, inflections
// marked by a smaller grey disc. A constant potential is a flat line.
PlotScene PlotPotential(const CoefficientSet& V, const ConformationalAnalysis& analysis, int width, int height);

// Data drawn over the curve (the points of a fitted energy profile): a value on the plot's V
// scale at an angle in [0, 360). Used markers are part of the V range; the others (points a fit
// left out) are drawn in another colour where they fall inside it, on the frame's top edge above it.
struct PlotMarker {
    double angle;
    double value;
    bool used;
};

// PlotPotential's picture with the markers as small discs beneath the extrema's marks.
PlotScene PlotPotential(const CoefficientSet& V, const ConformationalAnalysis& analysis, int width, int height,
                        std::span<const PlotMarker> markers);
