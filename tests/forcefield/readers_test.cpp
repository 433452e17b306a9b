// The six readers on small files written from each format's documentation: what they convert,
// the quirks of real files, what they refuse per torsion and the faults that stop them.

#include "forcefield/amber_reader.h"
#include "forcefield/charmm_reader.h"
#include "forcefield/force_field_format.h"
#include "forcefield/gromacs_reader.h"
#include "forcefield/lammps_reader.h"
#include "forcefield/offxml_reader.h"
#include "forcefield/openmm_reader.h"
#include "torsion_check.h"

#include <map>

namespace {

constexpr double kJ = 4.184;

GromacsFiles FakeFiles(std::map<std::string, std::string> files)
{
    return {[files](const std::string& path) {
                const auto found = files.find(path);
                IncludedFile file;
                if (found != files.end()) file = {true, found->second, ""};
                return file;
            },
            {"data"}};
}

TEST(GromacsReader, ConvertsEachFunctionWithMacrosConditionsAndIncludes)
{
    const auto files = FakeFiles({{"ff/bonded.itp", "#define gd_1 180.000 5.86 3\n"
                                                    "[ dihedraltypes ]\n"
                                                    "CH2 S 1 gd_1 ; two middle types, a macro\n"},
                                  {"data/common.itp", "[ dihedraltypes ]\nX CA CA X 9 180.0 4.0 2\n"}});
    const auto reading = ReadGromacs("#include \"bonded.itp\"\n#include \"common.itp\"\n"
                                     "[ dihedraltypes ]\n"
                                     "#ifdef UNDEFINED\n CT CT CT CT 3 1 2 3 4 5 6\n#else\n"
                                     "  CT CT CT CT      3      2.92880  -1.46440   0.20920  -1.67360   0.00000   0.00000\n"
                                     "#endif\n"
                                     "C N CT C 9 0.0 1.6 3\nC N CT C 9 180.0 0.4 2\n"
                                     "A B C D 5 1 2 3 4\nA B C D 4 180 4.6 2\nA B 2 0 100\n"
                                     "[ dihedrals ]\n1 2 3 4 9\n1 2 3 4 1 0 10 6\n",
                                     "ff/main.top", files);
    ASSERT_TRUE(reading.ok()) << reading.error;
    ASSERT_EQ(reading.torsions.size(), 6u);
    EXPECT_EQ(reading.impropersSkipped, 2);
    const auto& gd = reading.torsions[0];
    EXPECT_EQ(gd.types, (std::vector<std::string>{"CH2", "S"}));
    EXPECT_EQ(gd.file + ":" + std::to_string(gd.line), "ff/bonded.itp:3");
    ExpectSameCurve(gd, [](double phi) { return 5.86 / kJ * (1 + Cosine(3 * phi - 180)); });
    EXPECT_EQ(reading.torsions[1].file, "data/common.itp");

    // OPLS-AA's CT CT CT CT: V1 = 1.3, V2 = -0.05, V3 = 0.2 kcal/mol.
    const auto& rb = reading.torsions[2];
    for (auto [n, Vn] : {std::pair{1, 1.3}, {2, -0.05}, {3, 0.2}, {4, 0.0}})
        EXPECT_NEAR(rb.V[static_cast<std::size_t>(n)], Vn, 1e-15);
    EXPECT_NEAR(rb.offset, 0.0, 1e-15);
    ExpectSameCurve(rb, [](double phi) {
        const double c[] = {2.9288, -1.4644, 0.2092, -1.6736, 0, 0}, x = -Cosine(phi);
        return (c[0] + x * (c[1] + x * (c[2] + x * (c[3] + x * (c[4] + x * c[5]))))) / kJ;
    });
    ExpectSameCurve(reading.torsions[3], [](double phi) {
        return (1.6 * (1 + Cosine(3 * phi)) + 0.4 * (1 + Cosine(2 * phi - 180))) / kJ;
    });
    ExpectSameCurve(reading.torsions[4], [](double phi) {
        return 0.5 * (1 * (1 + Cosine(phi)) + 2 * (1 - Cosine(2 * phi)) + 3 * (1 + Cosine(3 * phi)) +
                      4 * (1 - Cosine(4 * phi))) / kJ;
    });
    EXPECT_EQ(reading.torsions[5].types, (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_NEAR(reading.torsions[5].V[6], -20 / kJ, 1e-15);
}

TEST(GromacsReader, StopsAtFaultsWithTheirLine)
{
    const auto files = FakeFiles({{"self.itp", "#include \"self.itp\"\n"}});
    for (auto [text, expected] : {
             std::pair{"[ dihedraltypes ]\nCT CT CT CT 3 1 2\n", "main.itp:2: se esperaban"},
             {"[ dihedraltypes ]\nCT CT 1 gd_99\n", "main.itp:2: se esperaban"},
             {"[ dihedraltypes ]\nCT CT CT CT 9 0 x 3\n", "main.itp:2: «x» no es un número"},
             {"#include \"missing.itp\"\n", "main.itp:1: no se encuentra"},
             {"#include \"self.itp\"\n", "self.itp:1: inclusión circular"},
             {"#ifdef A\n", "main.itp:1: falta #endif"},
             {"#endif\n", "main.itp:1: #endif sin"},
             {"#pragma once\n", "main.itp:1: directiva desconocida"},
         }) {
        const auto reading = ReadGromacs(text, "main.itp", files);
        EXPECT_TRUE(reading.error.starts_with(expected)) << text << " gives " << reading.error;
    }
}

TEST(CharmmReader, SumsConsecutiveLinesAndSkipsOtherSections)
{
    const auto reading = ReadCharmm("* title\n*\nBONDS\nCT1 CT2 222.5 1.538\n"
                                    "dihedrals ! lower case\n"
                                    "X    CT1  CT2  X      0.2000  3     0.00 ! wildcards kept\n"
                                    "CT2  CT2  CT2  CT2    0.1000  2   180.00\n"
                                    "CT2  CT2  CT2  CT2    0.1500  5     0.00\n"
                                    "CT2  CT2  CT2  CT2   -0.0500  2   180.00 ! same periodicity again\n"
                                    "HA   CT2  CT2  HA     0.1     1    90.00\n"
                                    "IMPROPER\nHE2  HE2  CE2  CE2  3.0  0  0.00\nEND\n",
                                    "par.prm");
    ASSERT_TRUE(reading.ok()) << reading.error;
    ASSERT_EQ(reading.torsions.size(), 3u);
    EXPECT_EQ(reading.impropersSkipped, 1);
    EXPECT_EQ(reading.torsions[0].types, (std::vector<std::string>{"X", "CT1", "CT2", "X"}));
    EXPECT_EQ(reading.torsions[1].line, 7);
    ExpectSameCurve(reading.torsions[1], [](double phi) {
        return 0.05 * (1 + Cosine(2 * phi - 180)) + 0.15 * (1 + Cosine(5 * phi));
    });
    EXPECT_EQ(reading.torsions[2].refusal, "fase de 90 grados: V1…V6 solo representan fases de 0 o 180 grados");

    EXPECT_EQ(ReadCharmm("PHI\nA B C D 1.0 3\n", "p.str").error,
              "p.str:2: se esperaba «T1 T2 T3 T4 Kchi n delta» en la sección DIHEDRALS");
}

TEST(AmberReader, ReadsFrcmodAndParmDat)
{
    const auto frcmod = ReadAmber("frcmod title\nMASS\nc3 12.01\n\nDIHE\n"
                                  "X -c -c -X    4   14.50        180.0             2.         from a paper\n"
                                  "hc-c3-c3-hc   1    0.150         0.0            -3.\n"
                                  "hc-c3-c3-hc   1    0.250         0.0             1.\n"
                                  "n -c -c3-hn   1    0.000         0.0             0.\n"
                                  "\nIMPR\nc -ca-n -hn         1.1          180.0         2.0\n",
                                  "my.frcmod");
    ASSERT_TRUE(frcmod.ok()) << frcmod.error;
    ASSERT_EQ(frcmod.torsions.size(), 3u);
    EXPECT_EQ(frcmod.impropersSkipped, 1);
    EXPECT_EQ(frcmod.torsions[0].types, (std::vector<std::string>{"X", "c", "c", "X"}));
    ExpectSameCurve(frcmod.torsions[0], [](double phi) { return 14.5 / 4 * (1 + Cosine(2 * phi - 180)); });
    ExpectSameCurve(frcmod.torsions[1], [](double phi) { return 0.15 * (1 + Cosine(3 * phi)) + 0.25 * (1 + Cosine(phi)); });
    ExpectSameCurve(frcmod.torsions[2], [](double) { return 0.0; });

    const auto parm = ReadAmber("PARM title\nC  12.01\n\nC   H\nC -H   340.0 1.09\n\nC -C -H  50.0 109.5\n\n"
                                "X -C -C -X    4   14.50        180.0             2.\n\n"
                                "X -X -C -O         10.5         180.          2.\n\n",
                                "parm99.dat");
    ASSERT_TRUE(parm.ok()) << parm.error;
    ASSERT_EQ(parm.torsions.size(), 1u);
    EXPECT_EQ(parm.torsions[0].line, 9);
    EXPECT_EQ(parm.impropersSkipped, 1);
}

TEST(AmberReader, ReadsNumbersRunTogetherInFixedColumns)
{
    const auto reading = ReadAmber("DIHE\nca-ca-os-c    1          0.383        180.000-2.000\n"
                                   "ca-ca-os-c    1    0.100         0.000    3.000\n",
                                   "f.frcmod");
    ASSERT_TRUE(reading.ok()) << reading.error;
    ASSERT_EQ(reading.torsions.size(), 1u);
    ExpectSameCurve(reading.torsions[0], [](double phi) {
        return 0.383 * (1 + Cosine(2 * phi - 180)) + 0.1 * (1 + Cosine(3 * phi));
    });
    EXPECT_EQ(ReadAmber("DIHE\nca-ca-os-c    1 0.383 180.0 -2.0\n\n", "f.frcmod").error,
              "f.frcmod:3: el último término (PN negativo) anuncia otra línea de la misma torsión, que falta");
}

TEST(OpenmmReader, ReadsPeriodicAndRbTorsionsInKilojoulesAndRadians)
{
    const auto reading = ReadOpenmm(
        "<?xml version=\"1.0\"?>\n<!-- a comment -->\n<ForceField>\n <PeriodicTorsionForce>\n"
        "  <Proper type1=\"\" type2=\"C&amp;\" type3=\"CT\" type4=\"\" k1=\"4.6\" periodicity1=\"2\"\n"
        "          phase1=\"3.141592653589793\" k2=\"-1\" periodicity2=\"6\" phase2=\"0.0\"/>\n"
        "  <Proper class1=\"a\" class2=\"b\" class3=\"c\" class4=\"d\" k1=\"1\" periodicity1=\"3\" phase1=\"0.0034906\"/>\n"
        "  <Improper type1=\"a\" type2=\"b\" type3=\"c\" type4=\"d\" k1=\"1\" periodicity1=\"2\" phase1=\"0\"/>\n"
        " </PeriodicTorsionForce>\n <RBTorsionForce>\n"
        "  <Proper class1=\"1\" class2=\"2\" class3=\"3\" class4=\"4\" c0=\"30.334\" c1=\"1\" c2=\"-30.334\" c3=\"2\" c4=\"3\" c5=\"4\"/>\n"
        " </RBTorsionForce>\n</ForceField>\n",
        "ff.xml");
    ASSERT_TRUE(reading.ok()) << reading.error;
    ASSERT_EQ(reading.torsions.size(), 3u);
    EXPECT_EQ(reading.impropersSkipped, 1);
    EXPECT_EQ(reading.torsions[0].types, (std::vector<std::string>{"", "C&", "CT", ""}));
    EXPECT_EQ(reading.torsions[0].line, 5);
    ExpectSameCurve(reading.torsions[0], [](double phi) {
        return (4.6 * (1 + Cosine(2 * phi - 180)) - (1 + Cosine(6 * phi))) / kJ;
    });
    EXPECT_TRUE(reading.torsions[1].refusal.starts_with("fase de 0.0034906 radianes")) << reading.torsions[1].refusal;
    ExpectSameCurve(reading.torsions[2], [](double phi) {
        const double c[] = {30.334, 1, -30.334, 2, 3, 4}, x = -Cosine(phi);
        return (c[0] + x * (c[1] + x * (c[2] + x * (c[3] + x * (c[4] + x * c[5]))))) / kJ;
    });

    for (auto [text, expected] : {std::pair{"<ForceField><PeriodicTorsionForce>", "f.xml:1: falta la etiqueta de cierre"},
                                  {"<a>\n</b>", "f.xml:2: </b> no cierra <a>"},
                                  {"<a x='&bogus;'/>", "f.xml:1: referencia desconocida"},
                                  {"<F><PeriodicTorsionForce><Proper type1='a'/></PeriodicTorsionForce></F>",
                                   "f.xml:1: <Proper> sin el atributo type2"}})
        EXPECT_TRUE(ReadOpenmm(text, "f.xml").error.starts_with(expected)) << ReadOpenmm(text, "f.xml").error;
}

TEST(OffxmlReader, ReadsUnitStringsInEitherSpellingAndDivisors)
{
    const auto reading = ReadOffxml(
        "<SMIRNOFF version=\"0.3\">\n<ProperTorsions version=\"0.3\" default_idivf=\"auto\">\n"
        "<Proper smirks=\"[*:1]-[#6X4:2]-[#6X4:3]-[*:4]\" id=\"t1\" periodicity1=\"3\" phase1=\"0.0 * degree\"\n"
        " k1=\"0.15 * mole**-1 * kilocalorie\" periodicity2=\"1\" phase2=\"180.0 * degree\""
        " k2=\"4.184 * mole ** -1 * kilojoule ** 1\" idivf2=\"2.0\"/>\n"
        "<Proper smirks=\"[*:1]~[*:2]=[*:3]~[*:4]\" id=\"t2\" periodicity1=\"2\" phase1=\"90.0 * degree\""
        " k1=\"1 * mole**-1 * kilocalorie\"/>\n"
        "<Proper smirks=\"[*:1]~[*:2]:[*:3]~[*:4]\" id=\"t3\" periodicity1=\"2\" phase1=\"3.141592653589793 * radian\""
        " k1=\"1 * kilocalorie / mole\"/>\n"
        "</ProperTorsions>\n<ImproperTorsions><Improper smirks=\"x\" id=\"i1\"/></ImproperTorsions>\n</SMIRNOFF>\n",
        "ff.offxml");
    ASSERT_TRUE(reading.ok()) << reading.error;
    ASSERT_EQ(reading.torsions.size(), 3u);
    EXPECT_EQ(reading.impropersSkipped, 1);
    EXPECT_EQ(reading.notes, (std::vector<std::string>{"ff.offxml:2: default_idivf=\"auto\" se lee como 1"}));
    EXPECT_EQ(reading.torsions[0].types, (std::vector<std::string>{"t1", "[*:1]-[#6X4:2]-[#6X4:3]-[*:4]"}));
    ExpectSameCurve(reading.torsions[0], [](double phi) { return 0.15 * (1 + Cosine(3 * phi)) + 0.5 * (1 - Cosine(phi)); });
    EXPECT_FALSE(reading.torsions[1].converted());
    ExpectSameCurve(reading.torsions[2], [](double phi) { return 1 - Cosine(2 * phi); });

    EXPECT_TRUE(ReadOffxml("<S><ProperTorsions><Proper smirks='s' periodicity1='1' phase1='0 * degree' "
                           "k1='1 * electronvolt'/></ProperTorsions></S>", "f.offxml")
                    .error.starts_with("f.offxml:1: k1: unidad de energía no admitida"));
}

TEST(LammpsReader, ReadsDataFilesAndScriptsInTheirUnits)
{
    const auto data = ReadLammps("LAMMPS data file\n\n 2 dihedral types\n\nDihedral Coeffs # opls\n\n"
                                 "1 1.3 -0.05 0.2 0.0\n2 0 0 0.3 0\n\nImproper Coeffs # harmonic\n\n1 10 180\n",
                                 "system.data", {});
    ASSERT_TRUE(data.ok()) << data.error;
    ASSERT_EQ(data.torsions.size(), 2u);
    EXPECT_EQ(data.impropersSkipped, 1);
    EXPECT_EQ(data.torsions[0].V, (CoefficientSet{0, 1.3, -0.05, 0.2, 0, 0, 0}));

    const auto script = ReadLammps("units metal\ndihedral_style hybrid fourier multi/harmonic charmm\n"
                                   "dihedral_coeff 1 fourier 2 0.1 1 0 0.05 3 180\n"
                                   "dihedral_coeff 2 multi/harmonic 1 2 3 4 5\n"
                                   "dihedral_coeff 3 charmm 0.2 2 180 0.5\n",
                                   "in.system", {});
    ASSERT_TRUE(script.ok()) << script.error;
    ASSERT_EQ(script.torsions.size(), 3u);
    const double eV = 96.48533212331002 / kJ;
    ExpectSameCurve(script.torsions[0], [eV](double phi) {
        return eV * (0.1 * (1 + Cosine(phi)) + 0.05 * (1 + Cosine(3 * phi - 180)));
    });
    ExpectSameCurve(script.torsions[1], [eV](double phi) {
        const double c = Cosine(phi);
        return eV * (1 + c * (2 + c * (3 + c * (4 + c * 5))));
    });
    ExpectSameCurve(script.torsions[2], [eV](double phi) { return eV * 0.2 * (1 + Cosine(2 * phi - 180)); });

    EXPECT_EQ(ReadLammps("t\nDihedral Coeffs\n\n1 1 2 3 4\n", "d.data", {}).error.substr(0, 10), "d.data:4: ");
    EXPECT_EQ(ReadLammps("t\nDihedral Coeffs\n\n1 1 2 3 4\n", "d.data", {"opls", std::nullopt}).torsions.size(), 1u);
}

TEST(FormatGuess, ByNameThenByContent)
{
    EXPECT_EQ(GuessFormat("a/ffbonded.itp", ""), ForceFieldFormat::Gromacs);
    EXPECT_EQ(GuessFormat("par_all36.prm", ""), ForceFieldFormat::Charmm);
    EXPECT_EQ(GuessFormat("frcmod.ff14SB", ""), ForceFieldFormat::Amber);
    EXPECT_EQ(GuessFormat("openff-2.0.0.offxml", ""), ForceFieldFormat::Offxml);
    EXPECT_EQ(GuessFormat("x.xml", "<?xml?>\n<SMIRNOFF>"), ForceFieldFormat::Offxml);
    EXPECT_EQ(GuessFormat("charmm36.xml", "<ForceField>"), ForceFieldFormat::OpenMM);
    EXPECT_EQ(GuessFormat("noname", "title\n\nDihedral Coeffs # opls\n"), ForceFieldFormat::Lammps);
    EXPECT_EQ(GuessFormat("noname", "* t\nDIHEDRALS\n"), ForceFieldFormat::Charmm);
    EXPECT_EQ(GuessFormat("noname", "hello"), std::nullopt);
}

}  // namespace
