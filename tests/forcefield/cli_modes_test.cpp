// zelmara-scan's two force-field modes as units: their options, the --types match, the listing
// of a file and the export's refusals.

#include "cli/command_line.h"
#include "cli/export_program.h"
#include "cli/force_field_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

CommandLine Parse(std::initializer_list<std::string_view> words)
{
    const std::vector<std::string_view> arguments(words);
    return ParseCommandLine(arguments);
}

TEST(ForceFieldOptions, ModesAndTheirConflicts)
{
    const CommandLine list = Parse({"--force-field", "a.itp", "--types", " CT  CT CT CT", "--json", "--temperature", "300"});
    ASSERT_EQ(list.action, CommandAction::Scan) << list.error;
    EXPECT_EQ(list.request.types, (std::vector<std::string>{"CT", "CT", "CT", "CT"}));
    EXPECT_EQ(list.request.temperature, 300);
    EXPECT_EQ(Parse({"--export", "amber", "--v3", "1"}).action, CommandAction::Scan);
    for (auto [words, error] : {
             std::pair{std::vector<std::string_view>{"--format", "gromacs"}, "--format: solo se usa junto con --force-field"},
             {{"--types", "A B C D"}, "--types: solo se usa junto con --force-field o --export"},
             {{"--force-field", "a", "--format", "pdb"}, "--format: \"pdb\" no es un formato; los formatos son gromacs|charmm|amber|openmm|offxml|lammps"},
             {{"--force-field", "a", "--export", "amber"}, "--export: no se puede usar junto con --force-field"},
             {{"--force-field", "a", "--v1", "1"}, "--force-field: los coeficientes salen del archivo; no se usa junto con --v1 … --v6"},
             {{"--force-field", "a", "--analyze"}, "--force-field: no se usa junto con --analyze, --precision, --plot ni --ascending"},
             {{"--export", "amber", "--json"}, "--export: no se usa junto con --csv, --json ni --temperature"},
             {{"--force-field", "a", "--lammps-units", "lj"}, "--lammps-units: \"lj\" no son unas unidades; las unidades son real|metal|si"},
         }) {
        const CommandLine refused = ParseCommandLine(words);
        EXPECT_EQ(refused.action, CommandAction::Refuse);
        EXPECT_EQ(refused.error, error);
    }
}

TEST(ForceFieldOptions, TypesMatchBothWaysWithTheFilesWildcards)
{
    EXPECT_TRUE(TypesMatch({"CT", "C", "N", "H"}, {"H", "N", "C", "CT"}));
    EXPECT_TRUE(TypesMatch({"X", "C", "N", "X"}, {"CT", "C", "N", "H"}));
    EXPECT_FALSE(TypesMatch({"CT", "C", "N", "H"}, {"X", "C", "N", "X"}));
    EXPECT_TRUE(TypesMatch({"C", "N"}, {"CT", "C", "N", "H"}));
    EXPECT_TRUE(TypesMatch({"t12", "[*:1]~[*:2]"}, {"t12"}));
    EXPECT_FALSE(TypesMatch({"CT", "C", "N", "H"}, {"CT", "C", "N"}));
}

TEST(ForceFieldListing, TableJsonAndUnreadableFiles)
{
    const std::filesystem::path path = "zelmara_listing_test.prm";  // relative: no backslash to escape in JSON
    std::ofstream(path) << "DIHEDRALS\nCT CT CT CT 0.2 3 0\nHA CT CT HA 0.1 3 90\nC, N \"q\" X 0.1 1 0\n";
    ScanRequest request;
    request.forceFieldPath = path.string();
    std::string out, error;
    std::vector<std::string> notes;
    ASSERT_EQ(ListForceField(request, out, notes, error), 0) << error;
    EXPECT_EQ(out, "Tipos\tOrigen\tV1\tV2\tV3\tV4\tV5\tV6\tDesplazamiento\tMínimos\tBarrera de rotación\n"
                   "CT CT CT CT\t" + path.string() + ":2\t0\t0\t0.4\t0\t0\t0\t0\t60 180 300\t0.4\n"
                   "HA CT CT HA\t" + path.string() + ":3\tfase de 90 grados: V1…V6 solo representan fases de 0 o 180 grados\n"
                   "C, N \"q\" X\t" + path.string() + ":4\t0.2\t0\t0\t0\t0\t0\t0\t180\t0.2\n");
    request.format = TableFormat::Csv;
    request.types = {"X", "\"q\"", "N", "C,"};
    request.typesGiven = true;
    ASSERT_EQ(ListForceField(request, out, notes, error), 0);
    EXPECT_EQ(out.substr(out.find('\n') + 1, 15), "\"C, N \"\"q\"\" X\",");
    request.json = true;
    request.types = {"CT"};
    ASSERT_EQ(ListForceField(request, out, notes, error), 0);
    EXPECT_TRUE(out.starts_with("{\"file\": \"" + path.string() + "\", \"format\": \"charmm\", \"torsions\": [\n"
                                "{\"types\": [\"CT\", \"CT\", \"CT\", \"CT\"], \"source\": \"" + path.string() +
                                ":2\", \"V\": [0, 0, 0.4, 0, 0, 0], \"offset\": 0, \"analysis\": {\"V\": [0, 0, 0.4"))
        << out;
    EXPECT_TRUE(out.ends_with("}], \"impropers_skipped\": 0}\n")) << out;

    std::ofstream(path, std::ios::binary) << std::string("DIHEDRALS\0", 10);
    EXPECT_EQ(ListForceField(request, out, notes, error), 2);
    EXPECT_EQ(error, path.string() + ": el archivo es binario (contiene bytes nulos); no es un campo de fuerza");
    std::filesystem::remove(path);
    EXPECT_EQ(ListForceField(request, out, notes, error), 2);
    EXPECT_EQ(error, path.string() + ": no existe ese archivo");
}

TEST(ForceFieldExport, NeedsAKnownFormatAndFourTypes)
{
    ScanRequest request;
    request.exportFormat = "gromacs";
    std::string out, error;
    EXPECT_EQ(ExportCoefficients(request, out, error), 2);
    EXPECT_TRUE(error.starts_with("--export: \"gromacs\" no es un formato; los formatos son gromacs-rb|")) << error;
    request.exportFormat = "lammps-opls";
    request.types = {"A", "B"};
    request.typesGiven = true;
    EXPECT_EQ(ExportCoefficients(request, out, error), 2);
    EXPECT_EQ(error, "--types: --export necesita cuatro nombres de tipo");
}

}  // namespace
