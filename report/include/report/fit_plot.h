#pragma once

// The plot of a torsion fit, by zelmara-scan --plot and the fit window alike.

#include "fitting/torsion_fit.h"
#include "report/plot_scene.h"

#include "core/conformational_analysis.h"

// PlotPotential's picture of the fitted potential (analysis: of fit.V) with the profile's points
// over it, each at its reference energy less the offset, those the fit left out in the other
// colour.
PlotScene PlotFit(const TorsionFit& fit, const ConformationalAnalysis& analysis, int width, int height);
