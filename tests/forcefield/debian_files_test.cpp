// The force fields Debian installs: gromacs-data's topologies and python3-simtk's OpenMM XML.
// Every torsion converts or is refused with a reason, and a sample goes back through the
// writers. A test whose files are missing skips itself and says which.

#include "forcefield/charmm_reader.h"
#include "forcefield/force_field_file.h"
#include "forcefield/torsion_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

const std::string kGromacsTop = "/usr/share/gromacs/top";
const std::string kOpenmmData = "/usr/lib/python3/dist-packages/openmm/app/data";

ForceFieldReading ReadOrSkip(const std::string& path, bool& skipped)
{
    skipped = !std::filesystem::exists(path);
    if (skipped) return {};
    ForceFieldFileReading file = ReadForceFieldFile(path, {});
    EXPECT_TRUE(file.reading.ok()) << file.reading.error;
    for (const ForceFieldTorsion& torsion : file.reading.torsions)
        EXPECT_TRUE(torsion.converted() || torsion.refusal.starts_with("fase de")) << torsion.refusal;
    return std::move(file.reading);
}

#define READ_OR_SKIP(reading, path, package)                                           \
    bool skipped = false;                                                              \
    const ForceFieldReading reading = ReadOrSkip(path, skipped);                       \
    if (skipped) GTEST_SKIP() << path << " is missing (Debian package " package ")";

TEST(DebianForceFields, OplsAaRbLinesAreTheirOplsV1ToV4)
{
    READ_OR_SKIP(reading, kGromacsTop + "/oplsaa.ff/forcefield.itp", "gromacs-data");
    ASSERT_EQ(reading.torsions.size(), 1048u);
    EXPECT_EQ(reading.impropersSkipped, 0);
    for (const ForceFieldTorsion& torsion : reading.torsions) {
        ASSERT_TRUE(torsion.converted()) << torsion.refusal;
        EXPECT_NEAR(torsion.V[5], 0, 1e-15);
        EXPECT_NEAR(torsion.V[6], 0, 1e-15);
        EXPECT_NEAR(torsion.offset, 0, 1e-4) << torsion.line;  // rounding residues of the file's C sums
        const auto exported = ExportTorsion(ExportFormat::GromacsFourier, torsion.V, {"a", "b", "c", "d"});
        EXPECT_TRUE(exported.ok()) << exported.refusal;
    }
    const auto ctctctct = std::ranges::find_if(reading.torsions, [](const ForceFieldTorsion& torsion) {
        return torsion.types == std::vector<std::string>{"CT", "CT", "CT", "CT"};
    });
    ASSERT_NE(ctctctct, reading.torsions.end());
    EXPECT_NEAR(ctctctct->V[1], 1.3, 1e-15);
    EXPECT_NEAR(ctctctct->V[2], -0.05, 1e-15);
    EXPECT_NEAR(ctctctct->V[3], 0.2, 1e-15);
}

TEST(DebianForceFields, EveryGromacsForceFieldReads)
{
    if (!std::filesystem::exists(kGromacsTop)) GTEST_SKIP() << kGromacsTop << " is missing (Debian package gromacs-data)";
    int forceFields = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kGromacsTop)) {
        if (entry.path().extension() != ".ff") continue;
        ++forceFields;
        bool skipped = false;
        const ForceFieldReading reading = ReadOrSkip((entry.path() / "forcefield.itp").string(), skipped);
        EXPECT_FALSE(reading.torsions.empty()) << entry.path();
    }
    EXPECT_GE(forceFields, 10);
}

TEST(DebianForceFields, Charmm27SumsItsFunction9Lines)
{
    READ_OR_SKIP(reading, kGromacsTop + "/charmm27.ff/forcefield.itp", "gromacs-data");
    EXPECT_EQ(reading.torsions.size(), 1044u);
    EXPECT_EQ(std::ranges::count_if(reading.torsions, [](const auto& t) { return !t.converted(); }), 4);
}

TEST(DebianForceFields, OpenmmCharmm36AndAmber14)
{
    {
        READ_OR_SKIP(charmm, kOpenmmData + "/charmm36.xml", "python3-simtk");
        EXPECT_EQ(charmm.torsions.size(), 6110u);
        // A sample through the OpenMM writer: the same coefficients come back.
        for (std::size_t i = 0; i < charmm.torsions.size(); i += 97) {
            const ForceFieldTorsion& torsion = charmm.torsions[i];
            if (!torsion.converted()) continue;
            const auto exported = ExportTorsion(ExportFormat::Charmm, torsion.V, {"A", "B", "C", "D"});
            const ForceFieldReading back = ReadCharmm(exported.text, "back.prm");
            ASSERT_EQ(back.torsions.size(), 1u) << exported.text;
            for (std::size_t n = 1; n <= 6; ++n) EXPECT_NEAR(back.torsions[0].V[n], torsion.V[n], 1e-13);
        }
    }
    READ_OR_SKIP(amber, kOpenmmData + "/amber14/protein.ff14SB.xml", "python3-simtk");
    EXPECT_EQ(amber.torsions.size(), 202u);
    EXPECT_TRUE(std::ranges::all_of(amber.torsions, &ForceFieldTorsion::converted));
}

}  // namespace
