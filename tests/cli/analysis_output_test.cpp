#include "analysis_json.h"
#include "analysis_text.h"
#include "json_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

ConformationalAnalysis Analysis(const CoefficientSet& V, double temperature = kDefaultTemperature)
{
    const ConformationalAnalysisResult result = AnalyzeConformations(V, temperature);
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

std::set<std::string> Keys(const JsonValue& object)
{
    std::set<std::string> keys;
    for (const auto& [key, value] : object.members) keys.insert(key);
    return keys;
}

// Valid JSON with exactly the keys promised, and every number the very double of the analysis.
TEST(AnalysisJson, KnownCasesReadBackExactly)
{
    const std::map<StationaryKind, std::string> kindNames = {
        {StationaryKind::Minimum, "minimum"}, {StationaryKind::Maximum, "maximum"}, {StationaryKind::Inflection, "inflection"}};
    for (const CoefficientSet& V : {kThreefold, kTwofold, kFlatBottom, kInflections, CoefficientSet{}}) {
        const ConformationalAnalysis analysis = Analysis(V, 77.0);
        const std::string text = AnalysisJson(V, analysis);
        const std::optional<JsonValue> json = ReadJson(text);
        ASSERT_TRUE(json.has_value()) << text;
        EXPECT_EQ(Keys(*json), (std::set<std::string>{"V", "temperature_K", "constant", "stationary_points", "minima",
                                                      "barriers"}));
        EXPECT_EQ((*json)["V"][2].number, V[3]);
        EXPECT_EQ((*json)["temperature_K"].number, 77.0);
        EXPECT_EQ((*json)["constant"].boolean, analysis.constant);

        const JsonValue& points = (*json)["stationary_points"];
        ASSERT_EQ(points.items.size(), analysis.points.size());
        for (std::size_t i = 0; i < analysis.points.size(); ++i) {
            EXPECT_EQ(Keys(points[i]), (std::set<std::string>{"angle", "type", "V", "d2V"}));
            EXPECT_EQ(points[i]["angle"].number, analysis.points[i].angle);
            EXPECT_EQ(points[i]["d2V"].number, analysis.points[i].curvature);
            EXPECT_EQ(points[i]["type"].text, kindNames.at(analysis.points[i].kind));
        }
        const JsonValue& minima = (*json)["minima"];
        ASSERT_EQ(minima.items.size(), analysis.conformers.size());
        for (std::size_t i = 0; i < analysis.conformers.size(); ++i) {
            EXPECT_EQ(Keys(minima[i]), (std::set<std::string>{"angle", "V", "relative_V", "population", "basin"}));
            EXPECT_EQ(minima[i]["population"].number, analysis.conformers[i].population);
            EXPECT_EQ(minima[i]["basin"][1].number, analysis.conformers[i].basinTo);
        }
        const JsonValue& barriers = (*json)["barriers"];
        ASSERT_EQ(barriers.items.size(), analysis.barriers.size());
        for (std::size_t i = 0; i < analysis.barriers.size(); ++i) {
            EXPECT_EQ(Keys(barriers[i]), (std::set<std::string>{"from", "to", "over", "height"}));
            EXPECT_EQ(barriers[i]["over"].number, analysis.barriers[i].over);
            EXPECT_EQ(barriers[i]["height"].number, analysis.barriers[i].height);
        }
    }
}

}  // namespace
