#include "report/fit_plot.h"

#include "report/potential_plot.h"

#include <vector>

PlotScene PlotFit(const TorsionFit& fit, const ConformationalAnalysis& analysis, int width, int height)
{
    std::vector<PlotMarker> markers;
    markers.reserve(fit.points.size());
    for (const FittedPoint& point : fit.points) markers.push_back({point.angle, point.reference - fit.offset, point.used});
    return PlotPotential(fit.V, analysis, width, height, markers);
}
