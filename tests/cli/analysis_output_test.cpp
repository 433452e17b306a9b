#include "report/analysis_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ConformationalAnalysis Analysis(const CoefficientSet& V)
{
    const ConformationalAnalysisResult result = AnalyzeConformations(V);
    EXPECT_TRUE(result.ok()) << result.refusal;
    return result.analysis;
}

const CoefficientSet kThreefold{0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0};
const CoefficientSet kTwofold{0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0};
const CoefficientSet kFlatBottom{0.0, 4.0, -1.0, 0.0, 0.0, 0.0, 0.0};
// dV/dpsi = 3/2 sin(psi) (1 + 2 cos psi)^2: a double root at psi = 120, inflections at 60 and 300.
const CoefficientSet kInflections{0.0, 6.0, 3.0, 1.0, 0.0, 0.0, 0.0};

TEST(AnalysisText, KnownCasesInTabsAndCommas)
{
    EXPECT_EQ(AnalysisTableText(Analysis(kThreefold), TableFormat::Tab),
              "Tipo\tÁngulo\tV(Kcal/mol)\tΔV(Kcal/mol)\tPoblación (%)\n"
              "máximo\t0\t3\t\t\n"
              "mínimo\t60\t0\t0\t33.3333\n"
              "máximo\t120\t3\t\t\n"
              "mínimo\t180\t0\t0\t33.3333\n"
              "máximo\t240\t3\t\t\n"
              "mínimo\t300\t0\t0\t33.3333\n"
              "\n"
              "Desde\tHasta\tSobre\tBarrera(Kcal/mol)\n"
              "60\t300\t0\t3\n"
              "60\t180\t120\t3\n"
              "180\t60\t120\t3\n"
              "180\t300\t240\t3\n"
              "300\t60\t0\t3\n"
              "300\t180\t240\t3\n");
    EXPECT_EQ(AnalysisTableText(Analysis(kTwofold), TableFormat::Csv),
              "Tipo,Ángulo,V(Kcal/mol),ΔV(Kcal/mol),Población (%)\n"
              "mínimo,0,0,0,50\nmáximo,90,1,,\nmínimo,180,0,0,50\nmáximo,270,1,,\n"
              "\n"
              "Desde,Hasta,Sobre,Barrera(Kcal/mol)\n"
              "0,180,90,1\n0,180,270,1\n180,0,90,1\n180,0,270,1\n");
    // One flat-bottomed minimum: the whole population and one barrier, the full turn.
    EXPECT_EQ(AnalysisTableText(Analysis(kFlatBottom), TableFormat::Tab),
              "Tipo\tÁngulo\tV(Kcal/mol)\tΔV(Kcal/mol)\tPoblación (%)\n"
              "máximo\t0\t4\t\t\nmínimo\t180\t0\t0\t100\n"
              "\n"
              "Desde\tHasta\tSobre\tBarrera(Kcal/mol)\n180\t180\t0\t4\n");
    EXPECT_EQ(AnalysisTableText(Analysis(kInflections), TableFormat::Tab),
              "Tipo\tÁngulo\tV(Kcal/mol)\tΔV(Kcal/mol)\tPoblación (%)\n"
              "máximo\t0\t7\t\t\ninflexión\t60\t6.75\t\t\nmínimo\t180\t0\t0\t100\ninflexión\t300\t6.75\t\t\n"
              "\n"
              "Desde\tHasta\tSobre\tBarrera(Kcal/mol)\n180\t180\t0\t7\n");
    EXPECT_EQ(AnalysisTableText(Analysis({}), TableFormat::Csv),
              "Tipo,Ángulo,V(Kcal/mol),ΔV(Kcal/mol),Población (%)\n"
              "El potencial es constante: no hay puntos extremos.\n");
}

}  // namespace
