// The writers of --export, each read back by the reader of its format, and the conversion's
// edge cases.

#include "forcefield/amber_reader.h"
#include "forcefield/charmm_reader.h"
#include "forcefield/gromacs_reader.h"
#include "forcefield/lammps_reader.h"
#include "forcefield/offxml_reader.h"
#include "forcefield/openmm_reader.h"
#include "forcefield/torsion_terms.h"
#include "forcefield/torsion_writer.h"
#include "torsion_check.h"

#include <random>

namespace {

ForceFieldReading ReadBack(ExportFormat format, const std::string& text)
{
    const GromacsFiles noFiles{[](const std::string&) { return IncludedFile(); }, {}};
    switch (format) {
    case ExportFormat::GromacsRb:
    case ExportFormat::GromacsFourier:
    case ExportFormat::GromacsPeriodic: return ReadGromacs(text, "out.itp", noFiles);
    case ExportFormat::Charmm: return ReadCharmm(text, "out.prm");
    case ExportFormat::Amber: return ReadAmber(text, "out.frcmod");
    case ExportFormat::Openmm:
        return ReadOpenmm("<ForceField><PeriodicTorsionForce>" + text + "</PeriodicTorsionForce></ForceField>", "o.xml");
    case ExportFormat::Offxml:
        return ReadOffxml("<SMIRNOFF><ProperTorsions>" + text + "</ProperTorsions></SMIRNOFF>", "o.offxml");
    default: return ReadLammps(text, "in.out", {});
    }
}

TEST(TorsionWriter, EveryFormatReadsBackToTheSameCoefficients)
{
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> coefficient(-20.0, 20.0);
    std::vector<CoefficientSet> sets{{0, 1.3, -0.05, 0.2, 0, 0, 0}, {}, {0, 0, 0, 0, 0, 0, -1e-9}};
    for (int i = 0; i < 20; ++i) {
        CoefficientSet V{};
        for (std::size_t n = 1; n <= 6; ++n) V[n] = i % 3 == 0 && n % 2 == 0 ? 0.0 : coefficient(random);
        sets.push_back(V);
    }
    for (const auto& [format, highest] : {std::pair{ExportFormat::GromacsRb, 5}, {ExportFormat::GromacsFourier, 4},
                                          {ExportFormat::GromacsPeriodic, 6}, {ExportFormat::Charmm, 6},
                                          {ExportFormat::Amber, 6}, {ExportFormat::Openmm, 6},
                                          {ExportFormat::Offxml, 6}, {ExportFormat::LammpsOpls, 4},
                                          {ExportFormat::LammpsFourier, 6}, {ExportFormat::LammpsMulti, 4}}) {
        for (CoefficientSet V : sets) {
            for (std::size_t n = static_cast<std::size_t>(highest) + 1; n <= 6; ++n) V[n] = 0;
            const ExportedTorsion exported = ExportTorsion(format, V, {"CT", "C", "N", "HC"});
            ASSERT_TRUE(exported.ok()) << exported.refusal;
            const ForceFieldReading back = ReadBack(format, exported.text);
            ASSERT_TRUE(back.ok()) << back.error << "\n" << exported.text;
            ASSERT_EQ(back.torsions.size(), 1u) << exported.text;
            ASSERT_TRUE(back.torsions[0].converted()) << back.torsions[0].refusal;
            for (std::size_t n = 1; n <= 6; ++n)
                EXPECT_NEAR(back.torsions[0].V[n], V[n], 1e-14 * 20) << exported.text << " V" << n;
            // The periodic forms carry an offset; the others vanish at 180 degrees as V does.
            if (format == ExportFormat::GromacsRb || format == ExportFormat::LammpsMulti) {
                EXPECT_NEAR(back.torsions[0].offset, 0.0, 1e-12) << exported.text;
            }
        }
    }
}

TEST(TorsionWriter, RefusesWhatAConventionCannotHold)
{
    const CoefficientSet withV6{0, 1, 0, 0, 0, 0, 2};
    const std::array<std::string, 4> types{"X", "X", "X", "X"};
    EXPECT_EQ(ExportTorsion(ExportFormat::GromacsRb, withV6, types).refusal,
              "gromacs-rb no admite V6 (aquí 2): solo llega hasta V5");
    for (ExportFormat format : {ExportFormat::GromacsFourier, ExportFormat::LammpsOpls, ExportFormat::LammpsMulti})
        EXPECT_FALSE(ExportTorsion(format, {0, 0, 0, 0, 0, 1e-300, 0}, types).ok());
    EXPECT_FALSE(ExportTorsion(ExportFormat::Amber, withV6, {"CT1", "C", "N", "H"}).ok());
    EXPECT_FALSE(ExportTorsion(ExportFormat::Charmm, withV6, {"A B", "C", "N", "H"}).ok());
    // OPLS-AA's own RB line comes out of its V1 ... V3.
    EXPECT_EQ(ExportTorsion(ExportFormat::GromacsRb, {0, 1.3, -0.05, 0.2, 0, 0, 0}, {"CT", "CT", "CT", "CT"}).text,
              "[ dihedraltypes ]\n; i j k l func C0 C1 C2 C3 C4 C5 (kJ/mol)\n"
              "CT CT CT CT 3 2.9288 -1.4644 0.20920000000000002 -1.6736000000000002 0 0\n");
}

TEST(TorsionTerms, ConstantsPhasesAndPeriodicitiesOutOfReach)
{
    const auto finished = [](auto add) {
        TorsionTerms terms;
        add(terms);
        ForceFieldTorsion torsion;
        terms.Finish(torsion);
        return torsion;
    };
    // AMBER's "no torsion" and a multiplicity-0 constant with any phase.
    const auto constant = finished([](TorsionTerms& t) { t.AddPeriodic(0.7, 0, 40); });
    EXPECT_EQ(constant.V, CoefficientSet{});
    EXPECT_NEAR(constant.offset, 0.7 * (1 + Cosine(40)), 1e-15);
    ExpectSameCurve(finished([](TorsionTerms& t) { t.AddPeriodic(-2, 4, 540); t.AddPeriodicRadians(1, 1, -3 * std::numbers::pi); }),
                    [](double phi) { return -2 * (1 - Cosine(4 * phi)) + (1 - Cosine(phi)); });
    EXPECT_EQ(finished([](TorsionTerms& t) { t.AddPeriodic(1, 7, 0); }).refusal,
              "periodicidad 7: V1…V6 solo llegan a la periodicidad 6");
    EXPECT_FALSE(finished([](TorsionTerms& t) { t.AddPeriodic(1, 2.5, 0); }).converted());
    const auto refused = finished([](TorsionTerms& t) { t.AddPeriodic(1, 3, 0); t.AddPeriodic(1, 2, 270); t.AddPeriodic(1, 9, 0); });
    EXPECT_EQ(refused.refusal, "fase de 270 grados: V1…V6 solo representan fases de 0 o 180 grados");
    EXPECT_EQ(refused.V, CoefficientSet{});
}

}  // namespace
