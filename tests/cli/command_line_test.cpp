#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace {

CommandLine Parse(std::initializer_list<std::string_view> arguments)
{
    return ParseCommandLine(std::vector<std::string_view>(arguments));
}

std::string ErrorOf(std::initializer_list<std::string_view> arguments)
{
    const CommandLine command = Parse(arguments);
    EXPECT_EQ(command.action, CommandAction::Refuse);
    return command.error;
}

TEST(CommandLine, ReadsEveryOptionInBothSpellingsLaterValuesWinning)
{
    const CommandLine defaults = Parse({});
    ASSERT_EQ(defaults.action, CommandAction::Scan);
    EXPECT_EQ(defaults.request.coefficients, CoefficientSet{});
    EXPECT_EQ(defaults.request.precision, 0.005);
    EXPECT_EQ(defaults.request.format, TableFormat::Tab);
    EXPECT_EQ(defaults.request.order, RowOrder::LargestAngleFirst);

    const CommandLine command = Parse({"--v1", "1", "--v2=-0.157", "--v3", "-3", "--v4=0,5", "--v5", "1e-3", "--v6=+6",
                                       "--precision", "1", "--csv", "--ascending", "--v1=2", "--precision=0.0001"});
    ASSERT_EQ(command.action, CommandAction::Scan) << command.error;
    EXPECT_EQ(command.request.coefficients, (CoefficientSet{0.0, 2.0, -0.157, -3.0, 0.5, 1e-3, 6.0}));
    EXPECT_EQ(command.request.precision, 0.0001);
    EXPECT_EQ(command.request.format, TableFormat::Csv);
    EXPECT_EQ(command.request.order, RowOrder::ScanOrder);

    EXPECT_EQ(Parse({"--precision", "180"}).request.precision, 180.0);
    EXPECT_TRUE(Parse({"--json", "--ascending"}).request.json);
}

TEST(CommandLine, HelpAndVersionStopTheReading)
{
    EXPECT_EQ(Parse({"--help"}).action, CommandAction::ShowHelp);
    EXPECT_EQ(Parse({"--v1", "2", "--version", "--bogus"}).action, CommandAction::ShowVersion);
    EXPECT_EQ(Parse({"--bogus", "--help"}).action, CommandAction::Refuse);
}

TEST(CommandLineErrors, NameTheOptionAndTheFault)
{
    EXPECT_EQ(ErrorOf({"--v7", "1"}), "--v7: opción desconocida");
    EXPECT_EQ(ErrorOf({"--bogus=3"}), "--bogus: opción desconocida");
    EXPECT_EQ(ErrorOf({"3"}), "\"3\": argumento no esperado (las opciones empiezan por --)");
    EXPECT_EQ(ErrorOf({"--v1"}), "--v1: falta el valor");
    EXPECT_EQ(ErrorOf({"--precision", "--csv"}), "--precision: falta el valor");
    EXPECT_EQ(ErrorOf({"--csv=yes"}), "--csv: no admite ningún valor");
    EXPECT_EQ(ErrorOf({"--csv", "--json"}), "--json: no se puede usar junto con --csv");

    EXPECT_EQ(ErrorOf({"--v2", "abc"}), "--v2: \"abc\" no es un número");
    EXPECT_EQ(ErrorOf({"--v1="}), "--v1: el valor está vacío");
    EXPECT_EQ(ErrorOf({"--v3", "1.2.3"}), "--v3: \"1.2.3\" lleva texto sobrante tras el número");
    EXPECT_EQ(ErrorOf({"--v4", "1e400"}),
              "--v4: \"1e400\" es demasiado grande (el mayor valor absoluto representable es 1.7976931348623157e+308)");
    EXPECT_EQ(ErrorOf({"--v4", "-1e-400"}), "--v4: \"-1e-400\" es demasiado pequeño: se leería como 0 (el menor valor "
                                            "absoluto representable distinto de 0 es 5e-324)");
    EXPECT_EQ(ErrorOf({"--v5", "-inf"}), "--v5: \"-inf\": no se admiten nan ni infinito");
    EXPECT_EQ(ErrorOf({"--v6=0x10"}), "--v6: \"0x10\": no se admite la notación hexadecimal");
    // A line break in the value must not split the one-line message.
    EXPECT_EQ(ErrorOf({"--v1", "1\n2"}), "--v1: \"1?2\" lleva texto sobrante tras el número");
}

TEST(CommandLineErrors, ShowTheUsersTextOnOneShortLine)
{
    EXPECT_EQ(ErrorOf({"--foo\nbar"}), "--foo?bar: opción desconocida");
    EXPECT_EQ(ErrorOf({"--\x1b[31mred=1"}), "--?[31mred: opción desconocida");
    const std::string digits(10000, '9');
    EXPECT_EQ(ErrorOf({"--v1", digits}), "--v1: \"" + digits.substr(0, 48) + "…\" es demasiado grande (el mayor valor absoluto representable es 1.7976931348623157e+308)");
    EXPECT_EQ(ErrorOf({"--" + digits}), "--" + digits.substr(0, 46) + "…: opción desconocida");
}

TEST(CommandLine, AnalysisOptionsAndTheCombinationsRefused)
{
    const CommandLine analysis = Parse({"--analyze", "--v3=3", "--temperature", "77", "--plot", "-a.svg", "--json"});
    ASSERT_EQ(analysis.action, CommandAction::Scan) << analysis.error;
    EXPECT_TRUE(analysis.request.analyze);
    EXPECT_EQ(analysis.request.temperature, 77.0);
    EXPECT_EQ(analysis.request.plotPath, "-a.svg");
    EXPECT_EQ(Parse({"--analyze"}).request.temperature, 298.15);
    EXPECT_EQ(Parse({"--analyze", "--temperature=1e4"}).request.temperature, 10000.0);

    EXPECT_EQ(ErrorOf({"--analyze", "--temperature", "0,5"}),
              "--temperature: el valor 0.5 está fuera del intervalo 1 … 10000");
    EXPECT_EQ(ErrorOf({"--analyze", "--temperature", "10000.000000000002"}),
              "--temperature: el valor 10000.000000000002 está fuera del intervalo 1 … 10000");
    EXPECT_EQ(ErrorOf({"--analyze", "--temperature", "calor"}), "--temperature: \"calor\" no es un número");
    EXPECT_EQ(ErrorOf({"--analyze", "--plot="}), "--plot: falta el nombre del archivo");
    EXPECT_EQ(ErrorOf({"--temperature", "300"}), "--temperature: solo se usa junto con --analyze");
    EXPECT_EQ(ErrorOf({"--plot", "a.svg"}), "--plot: solo se usa junto con --analyze");
    EXPECT_EQ(ErrorOf({"--precision", "1", "--analyze"}),
              "--precision: no se usa junto con --analyze, que no recorre una rejilla");
    EXPECT_EQ(ErrorOf({"--analyze", "--ascending"}),
              "--ascending: no se usa junto con --analyze, que da siempre los ángulos de menor a mayor");
    EXPECT_EQ(ErrorOf({"--analyze", "--json", "--csv"}), "--json: no se puede usar junto con --csv");
}

TEST(CommandLine, DoubleDashEndsTheOptionsAndNothingMayFollow)
{
    const CommandLine ended = Parse({"--v3", "3", "--"});
    ASSERT_EQ(ended.action, CommandAction::Scan);
    EXPECT_EQ(ended.request.coefficients[3], 3.0);
    EXPECT_EQ(ErrorOf({"--", "--v1", "1"}), "\"--v1\": argumento no esperado (tras -- no se admiten más argumentos)");
    EXPECT_EQ(ErrorOf({"--", "--help"}), "\"--help\": argumento no esperado (tras -- no se admiten más argumentos)");
    EXPECT_EQ(ErrorOf({"--v1", "--"}), "--v1: falta el valor");
}

TEST(CommandLineErrors, PrecisionOutsideItsRange)
{
    EXPECT_EQ(ErrorOf({"--precision", "200"}), "--precision: el valor 200 está fuera del intervalo 0.0001 … 180");
    EXPECT_EQ(ErrorOf({"--precision=0,00005"}), "--precision: el valor 5e-05 está fuera del intervalo 0.0001 … 180");
    EXPECT_EQ(ErrorOf({"--precision", "180.00000000000003"}),
              "--precision: el valor 180.00000000000003 está fuera del intervalo 0.0001 … 180");
    EXPECT_EQ(ErrorOf({"--precision", "-0"}), "--precision: el valor -0 está fuera del intervalo 0.0001 … 180");
    EXPECT_EQ(ErrorOf({"--precision", "nan"}), "--precision: \"nan\": no se admiten nan ni infinito");
}

}  // namespace
