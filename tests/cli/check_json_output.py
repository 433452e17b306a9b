#!/usr/bin/env python3
"""Runs zelmara-scan --json, with and without --analyze, and checks that each output is strict
JSON (no NaN or Infinity) with exactly the promised keys, and that it says what the text form
says: the grid rows are the table's rows number for number ("%g" of each JSON number), and the
analysis of the known cases has the expected points, populations and barriers.
Usage: check_json_output.py ZELMARA_SCAN"""

import json
import subprocess
import sys

SCAN = sys.argv[1]


def run(*arguments):
    return subprocess.run([SCAN, *arguments], capture_output=True, text=True, check=True).stdout


def strict_json(text):
    def refuse(word):
        raise ValueError(f"{word} is not JSON")
    return json.loads(text, parse_constant=refuse)


def check_grid(*arguments):
    grid = strict_json(run("--json", *arguments))
    assert set(grid) == {"V", "precision", "rows"}, grid.keys()
    table = [line.split("\t") for line in run(*arguments).splitlines()[1:]]
    for row in grid["rows"]:
        assert set(row) == {"angle", "derivative", "potential"}, row
    rows = [["%g" % row[key] for key in ("angle", "derivative", "potential")] for row in grid["rows"]]
    assert rows == table, arguments


def check_analysis(arguments, types, minima, populations, heights):
    analysis = strict_json(run("--analyze", "--json", *arguments))
    assert set(analysis) == {"V", "temperature_K", "constant", "stationary_points", "minima", "barriers"}
    assert analysis["constant"] is (types == [])
    points = analysis["stationary_points"]
    assert all(set(p) == {"angle", "type", "V", "d2V"} and 0 <= p["angle"] < 360 for p in points)
    assert [p["type"] for p in points] == types, points
    assert all(set(m) == {"angle", "V", "relative_V", "population", "basin"} for m in analysis["minima"])
    assert [m["angle"] for m in analysis["minima"]] == minima
    assert all(abs(m["population"] - p) < 1e-12 for m, p in zip(analysis["minima"], populations))
    assert all(set(b) == {"from", "to", "over", "height"} for b in analysis["barriers"])
    assert [b["height"] for b in analysis["barriers"]] == heights


check_grid("--v3", "3")
check_grid("--precision", "0.01", "--ascending")
check_grid("--v1", "1.3", "--v2", "-0.157", "--v3", "2.5", "--precision", "0.001")
check_grid("--v2", "1e308", "--v3", "1e308", "--precision", "1")
check_analysis(["--v3", "3"], ["maximum", "minimum"] * 3, [60, 180, 300], [1 / 3] * 3, [3] * 6)
check_analysis(["--v2", "1"], ["minimum", "maximum"] * 2, [0, 180], [0.5] * 2, [1] * 4)
check_analysis(["--v1", "4", "--v2", "-1"], ["maximum", "minimum"], [180], [1], [4])
check_analysis(["--v1", "6", "--v2", "3", "--v3", "1"], ["maximum", "inflection", "minimum", "inflection"], [180], [1], [7])
check_analysis([], [], [], [], [])
print("JSON outputs are valid and agree with the text")
