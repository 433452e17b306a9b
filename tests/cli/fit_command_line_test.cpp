#include "cli/fit_command_line.h"
#include "cli/fit_report.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace {

FitCommandLine Parse(std::initializer_list<std::string_view> arguments)
{
    return ParseFitCommandLine(std::vector<std::string_view>(arguments));
}

TEST(FitCommandLine, ReadsTermsDihedralAndWeights)
{
    EXPECT_FALSE(IsFitCommand(std::vector<std::string_view>{"--v1", "2", "--", "--fit"}));
    EXPECT_TRUE(IsFitCommand(std::vector<std::string_view>{"--json", "--xtb=m.xyz"}));

    const FitCommandLine command = Parse({"--fit", "scan.log", "--terms=1-3,6", "--dihedral", "4,1,2,10",
                                          "--cutoff", "20", "--boltzmann", "500", "--energy-unit", "hartree",
                                          "--format", "gaussian", "--json"});
    ASSERT_EQ(command.action, FitAction::Fit) << command.error;
    const FitRequest& request = command.request;
    EXPECT_EQ(request.profilePath, "scan.log");
    EXPECT_EQ(request.fit.terms, (TermSet{false, true, true, true, false, false, true}));
    EXPECT_EQ(request.dihedral, (DihedralAtoms{4, 1, 2, 10}));
    EXPECT_EQ(request.fit.cutoff, 20.0);
    EXPECT_EQ(request.fit.boltzmann, 500.0);
    EXPECT_EQ(request.unit, EnergyUnit::Hartree);
    EXPECT_EQ(request.format, ProfileFormat::Gaussian);
    EXPECT_TRUE(request.json);

    const FitCommandLine xtb = Parse({"--xtb", "m.xyz", "--dihedral", "1,2,3,4", "--step", "30", "--xtb-method",
                                      "gfnff", "--keep-scan", "out"});
    ASSERT_EQ(xtb.action, FitAction::Fit) << xtb.error;
    EXPECT_EQ(xtb.request.step, 30.0);
    EXPECT_EQ(xtb.request.method, XtbMethod::GfnFf);
    EXPECT_EQ(xtb.request.keepScanPath, "out");
}

TEST(FitCommandLine, RefusesMalformedValuesAndOptionsOfTheOtherMode)
{
    const std::vector<std::vector<std::string_view>> refused = {
        {"--fit", "a", "--terms", "0,1"},      {"--fit", "a", "--terms", "4-2"},
        {"--fit", "a", "--terms", "1,,2"},     {"--fit", "a", "--dihedral", "1,2,3"},
        {"--fit", "a", "--dihedral", "1,2,3,0"}, {"--fit", "a", "--dihedral", "1,2,3,4,"},
        {"--fit", "a", "--cutoff", "-1"},      {"--fit", "a", "--boltzmann", "0.5"},
        {"--fit", "a", "--csv", "--json"},     {"--fit", "a", "--xtb", "m.xyz"},
        {"--fit", "a", "--step", "15"},        {"--xtb", "m.xyz"},
        {"--xtb", "m.xyz", "--dihedral", "1,2,3,4", "--step", "7"},
        {"--xtb", "m.xyz", "--dihedral", "1,2,3,4", "--format", "xtb"},
        {"--fit", "a", "--v1", "2"},           {"--fit", "a", "--format", "pdf"}};
    for (const auto& arguments : refused) {
        const FitCommandLine command = ParseFitCommandLine(arguments);
        EXPECT_EQ(command.action, FitAction::Refuse) << arguments.back();
        EXPECT_TRUE(command.error.starts_with("--")) << command.error;
    }
}

TEST(FitReport, JsonStringEscapesControlsAndReplacesInvalidUtf8)
{
    EXPECT_EQ(JsonString("a\"b\\c\n\x01"), R"("a\"b\\c\u000a\u0001")");
    EXPECT_EQ(JsonString("perfil_ñ.log"), "\"perfil_ñ.log\"");
    EXPECT_EQ(JsonString("\xff\xc3"), "\"\\ufffd\\ufffd\"");
    EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");   // a UTF-16 surrogate
}

}  // namespace
