// What only the Qt backend shows of the conformational analysis: the plot's pixels, a picture of
// the dialog, and the names assistive technologies read.

#include "qt_gui_test.h"
#include "report/potential_plot.h"
#include "ui_test_support.h"

#include <QColor>

#include <functional>

namespace {

using platform_testing::ControlOf;

class QtAnalysisTest : public GuiTest {};

// Opens the analysis of the coefficients typed (V1 first) and runs driver in it.
void WithAnalysis(const std::vector<const char*>& coefficients, const std::function<void(CDialog&)>& driver)
{
    CExtremaDlg dlg;
    RunDriven(dlg, [&](CDialog& shown) {
        for (std::size_t i = 0; i < coefficients.size(); ++i) Type(shown, IDC_V1 + static_cast<int>(i), coefficients[i]);
        WhenNextDialogShown([&](CDialog& analysis) {
            driver(analysis);
            analysis.EndDialog(IDCANCEL);
        });
        EXPECT_TRUE(ChooseSystemMenuEntry(shown, IDM_ANALYSIS));
        shown.EndDialog(IDCANCEL);
    });
}

// The rows of the plot in which the curve's blue shows.
std::vector<int> CurveRows(const QImage& plot)
{
    std::vector<int> rows;
    for (int y = 0; y < plot.height(); ++y) {
        for (int x = 0; x < plot.width(); ++x) {
            const QColor c = plot.pixelColor(x, y);
            if (c.blue() > 120 && c.red() < 60 && c.green() < 120) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

TEST_F(QtAnalysisTest, TheCurveIsDrawnAcrossThePlotAndFlatForAConstantPotential)
{
    WithAnalysis({"0", "0", "3"}, [](CDialog& analysis) {
        const QImage plot = ControlOf(analysis, IDC_PLOT)->grab().toImage();
        const std::vector<int> rows = CurveRows(plot);
        ASSERT_FALSE(rows.empty());
        EXPECT_GT(rows.back() - rows.front(), plot.height() / 2) << "the curve spans the barrier's height";
    });
    WithAnalysis({}, [](CDialog& analysis) {
        SavePicture(analysis, "analysis_dialog_constant");
        const std::vector<int> rows = CurveRows(ControlOf(analysis, IDC_PLOT)->grab().toImage());
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(rows.back() - rows.front(), 2) << "a flat line";
    });
}

TEST_F(QtAnalysisTest, TheSavedPngIsAPictureOfTheFilesSizeWithTheCurveDrawn)
{
    // Into the test's build folder, beside its pictures, to be looked at.
    WithAnalysis({"1", "0.5"}, [](CDialog& analysis) {
        for (const char* name : {"analysis_plot.png", "analysis_plot.svg"}) {
            SaveFileDialogRecorder dialogs{std::string(name)};
            Click(analysis, IDC_SAVE_PLOT);
        }
    });
    QImage saved;
    ASSERT_TRUE(saved.load(QStringLiteral("analysis_plot.png"), "PNG"));
    EXPECT_EQ(saved.size(), QSize(kPlotFileWidth, kPlotFileHeight));
    const std::vector<int> rows = CurveRows(saved);
    ASSERT_FALSE(rows.empty());
    EXPECT_GT(rows.back() - rows.front(), kPlotFileHeight / 2);
}

TEST_F(QtAnalysisTest, ListsAndTheTemperatureAreNamedForAssistiveTechnologies)
{
    WithAnalysis({"1"}, [](CDialog& analysis) {
        EXPECT_EQ(ControlOf(analysis, IDC_POINTS)->accessibleName(), "Puntos estacionarios");
        EXPECT_EQ(ControlOf(analysis, IDC_BARRIERS)->accessibleName(), "Barreras");
        EXPECT_EQ(Edit(analysis, IDC_TEMPERATURE)->accessibleName(), "Temperatura (K):");
        EXPECT_EQ(ControlOf(analysis, IDC_PLOT)->accessibleName(), "Gráfica de V(φ)");
    });
}

}  // namespace
