#include "report/potential_plot.h"
#include "report/svg_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

PlotScene Plot(const CoefficientSet& V, int width = 640, int height = 400)
{
    return PlotPotential(V, AnalyzeConformations(V).analysis, width, height);
}

const PlotText* FindText(const PlotScene& scene, const std::string& text, TextAnchor alignment)
{
    const auto it = std::find_if(scene.texts.begin(), scene.texts.end(),
                                 [&](const PlotText& t) { return t.text == text && t.alignment == alignment; });
    return it == scene.texts.end() ? nullptr : &*it;
}

// The curve is the line with the most points.
const PlotLine& Curve(const PlotScene& scene)
{
    return *std::max_element(scene.lines.begin(), scene.lines.end(),
                             [](const PlotLine& a, const PlotLine& b) { return a.points.size() < b.points.size(); });
}

TEST(PotentialPlot, ThirdHarmonicHasItsAxesCurveAndLabelledExtrema)
{
    const PlotScene scene = Plot({0, 0, 0, 3, 0, 0, 0});
    EXPECT_EQ(scene.width, 640.0);
    ASSERT_NE(FindText(scene, "φ (grados)", TextAnchor::Middle), nullptr);
    ASSERT_NE(FindText(scene, "V (kcal/mol)", TextAnchor::Start), nullptr);
    // Degree ticks every 60, evenly spaced below the frame; kcal/mol ticks 0 ... 3 upward.
    std::vector<double> ticks;
    for (const PlotText& t : scene.texts)
        if (t.alignment == TextAnchor::Middle && t.anchor.y > 360.0 && t.text != "φ (grados)") ticks.push_back(t.anchor.x);
    ASSERT_EQ(ticks.size(), 7u);
    for (std::size_t i = 2; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i] - ticks[i - 1], ticks[1] - ticks[0], 1e-9);
    const PlotText* zero = FindText(scene, "0", TextAnchor::End);
    const PlotText* three = FindText(scene, "3", TextAnchor::End);
    ASSERT_TRUE(zero != nullptr && three != nullptr);

    const PlotLine& curve = Curve(scene);
    EXPECT_GE(curve.points.size(), 1000u);
    double top = 1e9, bottom = -1e9;
    for (const PlotPoint& p : curve.points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    // Three minima (at the curve's bottom) and three maxima (at its top), each labelled.
    ASSERT_EQ(scene.discs.size(), 6u);
    for (const PlotDisc& d : scene.discs) EXPECT_TRUE(std::fabs(d.centre.y - top) < 0.01 || std::fabs(d.centre.y - bottom) < 0.01);
    for (const char* label : {"60", "120", "180", "240", "300"})
        EXPECT_EQ(std::count_if(scene.texts.begin(), scene.texts.end(), [&](const PlotText& t) { return t.text == label; }), 2)
            << label;
    EXPECT_LT(three->anchor.y, zero->anchor.y);
    const double right = curve.points.back().x, left = curve.points.front().x;
    EXPECT_NEAR(scene.discs[2].centre.x, left + (right - left) / 3.0, 0.01);   // the maximum at 120
}

TEST(PotentialPlot, MarkersWidenTheRangeWhenUsedAndStayInTheFrameWhenLeftOut)
{
    const CoefficientSet V{0, 0, 0, 3, 0, 0, 0};
    const ConformationalAnalysis analysis = AnalyzeConformations(V).analysis;
    const std::vector<PlotMarker> markers = {{90.0, 9.0, true}, {0.0, 1e6, false}};
    const PlotScene scene = PlotPotential(V, analysis, 640, 400, markers);
    ASSERT_EQ(scene.discs.size(), 8u);   // the two markers beneath the six extrema
    EXPECT_NE(FindText(scene, "8", TextAnchor::End), nullptr);   // 9 kcal/mol is inside the V axis
    const PlotLine& frame = scene.lines[scene.lines.size() - 2];   // drawn just before the curve
    EXPECT_DOUBLE_EQ(scene.discs[1].centre.y, frame.points[0].y);  // held at the frame's top
    EXPECT_LT(scene.discs[0].centre.y, Curve(scene).points[0].y);
}

TEST(PotentialPlot, ConstantPotentialIsAFlatLineAndSizesAreClamped)
{
    const PlotScene scene = Plot({}, 10, 100000);
    EXPECT_EQ(scene.width, kMinPlotWidth);
    EXPECT_EQ(scene.height, kMaxPlotSide);
    const PlotLine& curve = Curve(scene);
    EXPECT_TRUE(std::all_of(curve.points.begin(), curve.points.end(), [&](const PlotPoint& p) { return p.y == curve.points[0].y; }));
    EXPECT_TRUE(scene.discs.empty());
}

// Written SVG is well-formed XML (checked by xmllint), escapes its texts and writes numbers
// with a point under the Spanish locale the tests run in.
TEST(SvgPlot, WritesWellFormedLocaleFreeDocuments)
{
    PlotScene scene = Plot({0, 1.3, -0.157, 2.5, 0.75, -1.1, 0.4}, 333, 211);
    scene.texts.push_back({{10.25, 20.5}, TextAnchor::End, "a < b & \"c\" > d\x01", 12.0, {1, 2, 3}});
    const std::string svg = WriteSvg(scene);
    EXPECT_EQ(svg, WriteSvg(scene));
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"", 0), 0u);
    EXPECT_NE(svg.find("width=\"333\" height=\"211\" viewBox=\"0 0 333 211\""), std::string::npos);
    EXPECT_NE(svg.find("<text x=\"10.25\" y=\"20.5\" font-family=\"sans-serif\" font-size=\"12\" text-anchor=\"end\" "
                       "fill=\"#010203\">a &lt; b &amp; &quot;c&quot; &gt; d</text>"),
              std::string::npos);
    EXPECT_NE(svg.find(">φ (grados)</text>"), std::string::npos);

#ifndef _WIN32  // xmllint is a tool of the Linux build machine, out of reach of a Windows program
    const std::string path = ::testing::TempDir() + "zelmara_plot_test.svg";
    std::ofstream(path, std::ios::binary) << svg;
    EXPECT_EQ(std::system(("xmllint --noout " + path).c_str()), 0);
    std::remove(path.c_str());
#endif
}

}  // namespace
