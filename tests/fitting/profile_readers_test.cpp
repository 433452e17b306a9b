#include "fitting/profile_readers.h"

#include "fitting_test_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

const DihedralAtoms kButaneDihedral{1, 2, 3, 4};

std::vector<double> Angles(const EnergyProfile& profile)
{
    std::vector<double> angles;
    for (const ProfilePoint& point : profile.points) angles.push_back(point.angle);
    return angles;
}

// Every point in [0, 360) and at or above 0 kcal/mol, with one at 0.
void ExpectWellFormed(const EnergyProfile& profile)
{
    ASSERT_FALSE(profile.points.empty());
    double lowest = profile.points.front().energy;
    for (const ProfilePoint& point : profile.points) {
        EXPECT_TRUE(point.angle >= 0.0 && point.angle < 360.0) << point.angle;
        EXPECT_GE(point.energy, 0.0);
        lowest = std::min(lowest, point.energy);
    }
    EXPECT_EQ(lowest, 0.0);
}

TEST(TableProfile, ReadsEachSeparatorCommentsHeaderUnitAndDecimalComma)
{
    const ProfileReading tabs = ReadTableProfile("# scan\nangle\tenergy (hartree)\n-90\t-1.5\n360\t-1.4\n", "t.tsv", {});
    ASSERT_TRUE(tabs.ok()) << tabs.error;
    EXPECT_EQ(Angles(tabs.profile), (std::vector<double>{270, 0}));
    EXPECT_NEAR(tabs.profile.points[1].energy, 0.1 * kKcalPerHartree, 1e-12);

    const ProfileReading semicolons = ReadTableProfile("; comment\n0;1,5\n180;0,5 ! trans\n", "t.csv", {});
    ASSERT_TRUE(semicolons.ok()) << semicolons.error;
    EXPECT_DOUBLE_EQ(semicolons.profile.points[0].energy, 1.0);

    const ProfileReading commas = ReadTableProfile("0, 4.184\n120, 0\n", "t.csv", EnergyUnit::KilojoulePerMol);
    ASSERT_TRUE(commas.ok()) << commas.error;
    EXPECT_DOUBLE_EQ(commas.profile.points[0].energy, 1.0);

    const ProfileReading blanks = ReadTableProfile("E in eV\n  10   0.5\n  20   1.5\n", "t.dat", {});
    ASSERT_TRUE(blanks.ok()) << blanks.error;
    EXPECT_DOUBLE_EQ(blanks.profile.points[1].energy, kKcalPerElectronVolt);
}

TEST(TableProfile, LeavesOutAPointWithoutEnergyAndRefusesBadNumbersByLine)
{
    const ProfileReading failedStep = ReadTableProfile("0,1\n30,\n60,2\n", "s.csv", {});
    ASSERT_TRUE(failedStep.ok());
    EXPECT_EQ(Angles(failedStep.profile), (std::vector<double>{0, 60}));
    ASSERT_EQ(failedStep.profile.notes.size(), 1u);
    EXPECT_NE(failedStep.profile.notes[0].find("s.csv, línea 2"), std::string::npos);

    for (const char* text : {"0 1\n30 nan\n", "0 1\n30 1e308\n", "0 1\n30 2 3\n", "0 1\nabc 2\n", "", "# only\n"}) {
        const ProfileReading bad = ReadTableProfile(text, "b.dat", EnergyUnit::Hartree);
        EXPECT_FALSE(bad.ok()) << text;
        EXPECT_EQ(bad.error.find('\n'), std::string::npos);
        EXPECT_TRUE(bad.error.starts_with("b.dat")) << bad.error;
    }
}

TEST(XtbProfile, ButaneScanHasItsComputedDihedralsAndNotesBrokenFrames)
{
    const std::string log = TestFile("butane_gfn2.xtbscan.log");
    const ProfileReading reading = ReadXtbProfile(log, "butane.log", kButaneDihedral);
    ASSERT_TRUE(reading.ok()) << reading.error;
    ExpectWellFormed(reading.profile);
    ASSERT_EQ(reading.profile.points.size(), 24u);
    // The scan starts at anti and turns 15 degrees a step; the constraint holds it within 0.2.
    for (std::size_t k = 0; k < 24; ++k) {
        const double expected = std::fmod(180.0 + 15.0 * static_cast<double>(k), 360.0);
        const double off = std::remainder(reading.profile.points[k].angle - expected, 360.0);
        EXPECT_LT(std::fabs(off), 0.2) << k;
    }
    EXPECT_TRUE(reading.profile.notes.empty());

    // A frame without its energy, and a log cut in the middle of a frame.
    std::string broken = log;
    broken.replace(broken.find("energy:"), 7, "gnergy:");
    broken.resize(broken.size() - 200);
    const ProfileReading partial = ReadXtbProfile(broken, "cut.log", kButaneDihedral);
    ASSERT_TRUE(partial.ok()) << partial.error;
    EXPECT_EQ(partial.profile.points.size(), 22u);
    EXPECT_EQ(partial.profile.notes.size(), 2u);

    EXPECT_FALSE(ReadXtbProfile(log, "b.log", {1, 2, 3, 15}).ok());
    EXPECT_FALSE(ReadXtbProfile(log, "b.log", {1, 2, 1, 4}).ok());   // a repeated atom: no plane
    EXPECT_FALSE(ReadXtbProfile(TestFile("gaussian_rigid_scan.log"), "g.log", kButaneDihedral).ok());
}

TEST(XtbProfile, DihedralOfAMoleculeAndOfAnInput)
{
    const AngleReading anti = ReadXyzDihedral(TestFile("butane.xyz"), "butane.xyz", kButaneDihedral);
    ASSERT_TRUE(anti.ok()) << anti.error;
    EXPECT_NEAR(anti.angle, 180.0, 1e-6);
    EXPECT_EQ(anti.atomCount, 14);

    const DihedralReading input = ReadXtbInputDihedral(TestFile("butane_scan.inp"), "scan.inp");
    ASSERT_TRUE(input.ok()) << input.error;
    EXPECT_EQ(input.atoms, kButaneDihedral);
    EXPECT_FALSE(ReadXtbInputDihedral("$constrain\n distance: 1,2,1.5\n", "x.inp").ok());
}

TEST(GaussianProfile, RelaxedScanReadsRunTogetherColumnsAndTheAddedShift)
{
    const std::string log = TestFile("gaussian_relaxed_scan.log");
    const ProfileReading reading = ReadGaussianProfile(log, "r.log");
    ASSERT_TRUE(reading.ok()) << reading.error;
    ExpectWellFormed(reading.profile);
    const std::vector<double> angles = Angles(reading.profile);
    ASSERT_EQ(angles.size(), 13u);
    EXPECT_DOUBLE_EQ(angles[1], 360.0 - 150.00008);   // "180.00000-150.00008" in the D25 row
    EXPECT_DOUBLE_EQ(angles[6], 360.0 - 0.00004);
    EXPECT_NEAR(reading.profile.points[3].energy, (0.30828 - 0.29956) * kKcalPerHartree, 1e-9);

    // Gaussian 16 prints the energies less a round number and says what to add.
    std::string shifted = log;
    shifted.replace(shifted.find("Surface Scan") + 12, 0, " (add -382.0 to energies):");
    for (std::size_t at; (at = shifted.find("-382.")) != std::string::npos;) shifted.replace(at, 5, "  -0.");
    const ProfileReading g16 = ReadGaussianProfile(shifted, "r16.log");
    ASSERT_TRUE(g16.ok()) << g16.error;
    for (std::size_t k = 0; k < 13; ++k)
        EXPECT_NEAR(g16.profile.points[k].energy, reading.profile.points[k].energy, 1e-9);
}

TEST(GaussianProfile, TruncatedRepeatedAndUnmarkedScans)
{
    const std::string log = TestFile("gaussian_relaxed_scan.log");
    const std::size_t summary = log.find(" Summary of Optimized");
    const std::string cut = log.substr(0, log.rfind("D25"));
    EXPECT_NE(ReadGaussianProfile(cut, "cut.log").error.find("truncado"), std::string::npos);

    const ProfileReading twice = ReadGaussianProfile(log + cut.substr(summary), "two.log");
    ASSERT_TRUE(twice.ok()) << twice.error;
    EXPECT_EQ(twice.profile.points.size(), 13u);
    EXPECT_EQ(twice.profile.notes.size(), 2u);   // the cut summary left aside; the one used named

    std::string unmarked = log;
    unmarked.replace(unmarked.find("Scan     "), 4, "Fix ");
    EXPECT_FALSE(ReadGaussianProfile(unmarked, "u.log").ok());
    EXPECT_FALSE(ReadGaussianProfile(TestFile("orca_rigid_scan.out"), "o.out").ok());
    EXPECT_FALSE(ReadGaussianProfile(log.substr(0, summary), "early.log").ok());
}

TEST(GaussianProfile, RigidScanTakesTheVariableAndTheLastEnergyColumn)
{
    const ProfileReading reading = ReadGaussianProfile(TestFile("gaussian_rigid_scan.log"), "rigid.log");
    ASSERT_TRUE(reading.ok()) << reading.error;
    ExpectWellFormed(reading.profile);
    const std::vector<double> angles = Angles(reading.profile);
    ASSERT_EQ(angles.size(), 13u);
    EXPECT_EQ(angles[0], 180.0);
    EXPECT_EQ(angles[6], 0.0);   // "-0.0000"
    EXPECT_EQ(angles[12], 180.0);
    EXPECT_NEAR(reading.profile.points[6].energy, (382.29428 - 378.37701) * kKcalPerHartree, 1e-6);
}

TEST(OrcaProfile, SurfaceBlockAndRelaxScanFile)
{
    const ProfileReading reading = ReadOrcaProfile(TestFile("orca_rigid_scan.out"), "o.out");
    ASSERT_TRUE(reading.ok()) << reading.error;
    ExpectWellFormed(reading.profile);
    const std::vector<double> angles = Angles(reading.profile);
    ASSERT_EQ(angles.size(), 12u);
    EXPECT_EQ(angles.front(), 0.0);
    EXPECT_EQ(angles.back(), 0.0);   // 360 is kept as a second observation at 0

    const ProfileReading dat = ReadOrcaProfile("  0.0 -1.0\n 90.0 -1.01\n", "x.relaxscanact.dat");
    ASSERT_TRUE(dat.ok()) << dat.error;
    EXPECT_NEAR(dat.profile.points[0].energy, 0.01 * kKcalPerHartree, 1e-9);
    EXPECT_FALSE(ReadOrcaProfile("  0.0 -1.0 2.0\n", "x.relaxscanact.dat").ok());
    EXPECT_FALSE(ReadOrcaProfile("* O   R   C   A *\nno surface\n", "x.out").ok());
}

TEST(ProfileFormat, DetectedFromContentThenName)
{
    EXPECT_EQ(DetectProfileFormat(TestFile("butane_gfn2.xtbscan.log"), "scan.log"), ProfileFormat::Xtb);
    EXPECT_EQ(DetectProfileFormat(TestFile("gaussian_relaxed_scan.log"), "scan.log"), ProfileFormat::Gaussian);
    EXPECT_EQ(DetectProfileFormat(TestFile("orca_rigid_scan.out"), "scan.txt"), ProfileFormat::Orca);
    EXPECT_EQ(DetectProfileFormat("0 -1\n", "job.relaxscanact.dat"), ProfileFormat::Orca);
    EXPECT_EQ(DetectProfileFormat("0 -1\n", "job.log"), ProfileFormat::Table);
}

}  // namespace
