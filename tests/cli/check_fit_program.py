#!/usr/bin/env python3
"""zelmara-scan --fit and --xtb end to end.

    check_fit_program.py ZELMARA_SCAN DATA_FOLDER fit   the saved profiles: JSON keys and counts,
                                                        refusals in one line, the plot's markers
    check_fit_program.py ZELMARA_SCAN DATA_FOLDER xtb   butane's C-C-C-C scan run through --xtb
                                                        (exit 77, skipped, when xtb is missing)
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77


def run(program, *arguments):
    done = subprocess.run([program, *arguments], capture_output=True, text=True)
    return done.returncode, done.stdout, done.stderr


def check(condition, what):
    if not condition:
        sys.exit("FAILED: " + what)


def check_fit(program, data):
    cases = {"butane_gfn2.xtbscan.log": ("xtb", 24), "gaussian_relaxed_scan.log": ("gaussian", 13),
             "gaussian_rigid_scan.log": ("gaussian", 13), "orca_rigid_scan.out": ("orca", 12)}
    for name, (kind, count) in cases.items():
        status, out, err = run(program, "--fit", os.path.join(data, name), "--dihedral", "1,2,3,4", "--json")
        check(status == 0, f"{name}: status {status}, {err}")
        report = json.loads(out)
        check(report["format"] == kind and len(report["points"]) == count, f"{name}: format or point count")
        check(report["terms"] == [1, 2, 3, 4] and len(report["V"]) == 6 and report["V"][4:] == [0, 0],
              f"{name}: terms")
        check(all(p["used"] for p in report["points"]) and report["analysis"]["minima"], f"{name}: points, analysis")
        # A rigid scan through the clash is no torsion profile: warned, and fine once cut off.
        check(("aviso: el ajuste se aparta" in err) == ("rigid" in name), f"{name}: warning {err!r}")

    status, out, err = run(program, "--fit", os.path.join(data, "gaussian_rigid_scan.log"), "--cutoff", "150",
                           "--terms", "1-3", "--csv")
    check(status == 0 and "aviso" not in err, "rigid scan with a cutoff: " + err)
    check(out.count(",no\n") == 3, "rigid scan with a cutoff: three points left out")

    with tempfile.TemporaryDirectory() as folder:
        svg = os.path.join(folder, "fit.svg")
        status, _, err = run(program, "--fit", os.path.join(data, "orca_rigid_scan.out"), "--cutoff", "200",
                             "--terms", "1,2", "--plot", svg)
        check(status == 0, "plot: " + err)
        with open(svg, encoding="utf-8") as picture:
            text = picture.read()
        check(text.count('fill="#e67800"') == 8 and text.count('fill="#969696"') == 4, "plot: markers by use")

        truncated = os.path.join(folder, "cut.log")
        with open(os.path.join(data, "gaussian_relaxed_scan.log"), encoding="utf-8") as log:
            whole = log.read()
        with open(truncated, "w", encoding="utf-8") as cut:
            cut.write(whole[: whole.rfind("D25")])
        for arguments in (["--fit", truncated], ["--fit", os.path.join(data, "butane_gfn2.xtbscan.log")],
                          ["--fit", os.path.join(data, "butane.xyz")], ["--fit", folder],
                          ["--fit", os.path.join(data, "orca_rigid_scan.out"), "--terms", "1-6"]):
            status, out, err = run(program, *arguments)
            check(status in (1, 2) and out == "" and err.count("\n") == 1, f"{arguments}: one line, {err!r}")


def check_xtb(program, data):
    if shutil.which("xtb") is None:
        print("skipped: the xtb program is not installed (Debian package xtb)")
        return SKIPPED
    status, out, err = run(program, "--xtb", os.path.join(data, "butane.xyz"), "--dihedral", "1,2,3,4", "--json")
    check(status == 0, f"--xtb: status {status}, {err}")
    report = json.loads(out)
    minima = report["profile_minima"]
    check(len(report["points"]) == 24 and len(minima) == 3, "24 points and three minima")
    check(abs(minima[1]["angle"] - 180) <= 1, "anti minimum at 180")
    check(60 <= minima[0]["angle"] <= 75 and 285 <= minima[2]["angle"] <= 300, "gauche minima near +-65")
    check(report["rmse"] < 0.1, f"RMSE {report['rmse']}")
    conformers = report["analysis"]["minima"]
    check(len(conformers) == 3, "three conformers")
    for conformer, lowest in zip(conformers, minima):
        check(abs(conformer["angle"] - lowest["angle"]) <= 15, "conformer where the data has its minimum")
        check(report["offset"] + conformer["V"] <= lowest["energy"] + report["rmse"], "conformer no higher")
    return 0


if __name__ == "__main__":
    program, data, mode = sys.argv[1:4]
    sys.exit(check_fit(program, data) if mode == "fit" else check_xtb(program, data))
