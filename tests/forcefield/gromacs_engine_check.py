#!/usr/bin/env python3
"""GROMACS itself against zelmara-scan: for a torsion type of a force field GROMACS ships, a
four-atom chain of that type is built at dihedral angles over the turn, `gmx grompp`,
`gmx mdrun -rerun` and `gmx energy` give the torsion's energy in each frame, and Zelmara's
V(phi) + offset from `zelmara-scan --force-field ... --json` must give the same energies.
Bonds and angles are the same in every frame and 1-4 pairs are excluded, so the torsion term
alone changes. Exits 77 (skipped) when gmx is missing or its mdrun cannot run here.

Usage: gromacs_engine_check.py ZELMARA_SCAN"""

import json
import math
import os
import shutil
import subprocess
import sys
import tempfile

TOP = "/usr/share/gromacs/top"
GMX = os.environ.get("GMX", "gmx")
ANGLES = list(range(0, 360, 15))
# (force field, the four atoms' types as [ atoms ] names them, the torsion's types, the
# energy term gmx energy names, the dihedral function)
CASES = [
    ("oplsaa.ff", ["opls_136"] * 4, "CT CT CT CT", "Ryckaert-Bell.", 3),
    ("amber99sb-ildn.ff", ["CT", "CT", "C", "N"], "CT CT C N", "Proper Dih.", 9),
]


def chain(phi_degrees):
    """Four atoms 0.153 nm apart with 112-degree angles and the dihedral phi (nm)."""
    b, theta, phi = 0.153, math.radians(112.0), math.radians(phi_degrees)
    p1 = (0.0, 0.0, 0.0)
    p2 = (b, 0.0, 0.0)
    p3 = (b - b * math.cos(theta), b * math.sin(theta), 0.0)
    # The fourth atom: angle theta at p3, dihedral phi about p2-p3.
    u = [p3[i] - p2[i] for i in range(3)]
    n = math.sqrt(sum(x * x for x in u))
    u = [x / n for x in u]
    v = [0.0, 0.0, 1.0]
    w = [u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]]
    # w lies in the plane of p1, p2, p3 and points away from p1's side when phi = 180.
    side = [p1[i] - p2[i] for i in range(3)]
    if sum(side[i] * w[i] for i in range(3)) < 0:
        w = [-x for x in w]
    d = [-b * math.cos(theta), b * math.sin(theta) * math.cos(phi), b * math.sin(theta) * math.sin(phi)]
    p4 = tuple(p3[i] + d[0] * u[i] + d[1] * w[i] + d[2] * v[i] for i in range(3))
    return [p1, p2, p3, p4]


def dihedral(p):
    """The IUPAC dihedral of four points, degrees in [0, 360)."""
    b0 = [p[0][i] - p[1][i] for i in range(3)]
    b1 = [p[2][i] - p[1][i] for i in range(3)]
    b2 = [p[3][i] - p[2][i] for i in range(3)]
    n1 = math.sqrt(sum(x * x for x in b1))
    b1 = [x / n1 for x in b1]
    dot = lambda a, c: sum(a[i] * c[i] for i in range(3))
    v = [b0[i] - dot(b0, b1) * b1[i] for i in range(3)]
    w = [b2[i] - dot(b2, b1) * b1[i] for i in range(3)]
    cross = [b1[1] * v[2] - b1[2] * v[1], b1[2] * v[0] - b1[0] * v[2], b1[0] * v[1] - b1[1] * v[0]]
    return math.degrees(math.atan2(dot(cross, w), dot(v, w))) % 360.0


def gro(frames):
    text = ""
    for k, atoms in enumerate(frames):
        text += f"frame {k}\n4\n"
        for i, (x, y, z) in enumerate(atoms):
            text += f"{1:5d}{'TOR':<5s}{'C' + str(i + 1):>5s}{i + 1:5d}{x + 2:8.3f}{y + 2:8.3f}{z + 2:8.3f}\n"
        text += "   5.00000   5.00000   5.00000\n"
    return text


class EngineUnusable(Exception):
    """gmx mdrun cannot run on this machine at all."""


def run(command, folder, stdin=None):
    result = subprocess.run(command, cwd=folder, input=stdin, capture_output=True, text=True)
    if result.returncode != 0 and "rdtscp" in result.stderr:
        raise EngineUnusable("gmx mdrun was built for the rdtscp instruction, which this processor lacks")
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} failed:\n{result.stderr[-2000:]}")
    return result.stdout


def gromacs_energies(force_field, atom_types, term, function, folder):
    atoms = "".join(f"{i + 1} {t} 1 TOR C{i + 1} {i + 1} 0 12.011\n" for i, t in enumerate(atom_types))
    with open(os.path.join(folder, "topol.top"), "w") as top:
        top.write(f'#include "{force_field}/forcefield.itp"\n[ moleculetype ]\nTOR 3\n[ atoms ]\n{atoms}'
                  "[ bonds ]\n1 2 1\n2 3 1\n3 4 1\n[ angles ]\n1 2 3 1\n2 3 4 1\n"
                  f"[ dihedrals ]\n1 2 3 4 {function}\n[ system ]\ntorsion\n[ molecules ]\nTOR 1\n")
    with open(os.path.join(folder, "rerun.mdp"), "w") as mdp:
        mdp.write("integrator = md\nnsteps = 0\ncutoff-scheme = Verlet\nnstcalcenergy = 1\nnstenergy = 1\n"
                  "coulombtype = cut-off\nrcoulomb = 1.0\nrvdw = 1.0\n")
    frames = [chain(phi) for phi in ANGLES]
    with open(os.path.join(folder, "start.gro"), "w") as start:
        start.write(gro(frames[:1]))
    with open(os.path.join(folder, "frames.gro"), "w") as trajectory:
        trajectory.write(gro(frames))
    run([GMX, "-quiet", "grompp", "-f", "rerun.mdp", "-c", "start.gro", "-p", "topol.top", "-o", "t.tpr",
         "-maxwarn", "10"], folder)
    run([GMX, "-quiet", "mdrun", "-s", "t.tpr", "-rerun", "frames.gro", "-e", "ener.edr", "-nt", "1", "-g", "md.log"],
        folder)
    run([GMX, "-quiet", "energy", "-f", "ener.edr", "-o", "energy.xvg"], folder, stdin=term + "\n\n")
    energies = []
    with open(os.path.join(folder, "energy.xvg")) as xvg:
        for line in xvg:
            if line[0] not in "#@":
                energies.append(float(line.split()[1]))
    # The angles GROMACS saw, after the coordinates were rounded to the .gro's 0.001 nm.
    seen = [dihedral([tuple(round(x + 2, 3) for x in p) for p in atoms]) for atoms in frames]
    return seen, energies


def main():
    if shutil.which(GMX) is None or not os.path.isdir(TOP):
        print("skipped: gmx or /usr/share/gromacs/top is missing (Debian packages gromacs, gromacs-data)")
        return 77
    scan = sys.argv[1]
    failures = 0
    for force_field, atom_types, types, term, function in CASES:
        listing = json.loads(subprocess.run([scan, "--force-field", f"{TOP}/{force_field}/forcefield.itp", "--types",
                                             types, "--json"], capture_output=True, text=True, check=True).stdout)
        torsion = next(t for t in listing["torsions"] if "V" in t)
        V, offset = torsion["V"], torsion["offset"]
        with tempfile.TemporaryDirectory() as folder:
            try:
                angles, energies = gromacs_energies(force_field, atom_types, term, function, folder)
            except EngineUnusable as reason:
                print(f"skipped: {reason}")
                return 77
        worst = 0.0
        for phi, energy in zip(angles, energies):
            zelmara = 4.184 * (offset + sum(0.5 * V[n - 1] * (1 - math.cos(math.radians(n * (180 - phi))))
                                            for n in range(1, 7)))
            worst = max(worst, abs(zelmara - energy))
        ok = len(energies) == len(ANGLES) and worst < 2e-3
        failures += not ok
        print(f"{force_field} {types} ({torsion['source']}): {len(energies)} frames, largest difference "
              f"{worst:.2e} kJ/mol {'ok' if ok else 'FAILED'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
