#!/usr/bin/env python3
"""Checks the conformational analysis against an independent computation in 40-digit arithmetic.

Usage: analysis_reference.py ZELMARA_SCAN [SETS]. Generates SETS coefficient sets (random ones,
rescaled ones and built ones with multiple roots, flat extrema and roots near x = +-1, at
temperatures from 1 to 10000 K), has `ZELMARA_SCAN --analyze --json` analyse each one (so the
numbers pass through the program's JSON text on their way here), and recomputes every answer
its own way: the distinct roots of P from its square-free part (exact rational gcd, then mpmath's
polyroots), each point's kind from the first derivative of V that is not zero at that precision,
populations by mpmath's tanh-sinh quadrature. Prints the largest differences and fails when
angles differ by more than 1e-7 degree, energies by more than 1e-9 per unit of the largest
coefficient or populations by more than 1e-8.
"""
import json
import random
import subprocess
import sys
from fractions import Fraction

from mpmath import mp, mpf, acos, cos, exp, pi, polyroots, quad

mp.dps = 40
U = [[1], [0, 2], [-1, 0, 4], [0, -4, 0, 8], [1, 0, -12, 0, 16], [0, 6, 0, -32, 0, 32]]


def trim(p):
    while p and p[-1] == 0:
        p = p[:-1]
    return p


def divide(a, b):   # quotient and remainder of polynomials, lowest coefficient first
    q, a = [Fraction(0)] * max(len(a) - len(b) + 1, 0), list(a)
    for i in range(len(q) - 1, -1, -1):
        q[i] = a[i + len(b) - 1] / b[-1]
        for j in range(len(b)):
            a[i + j] -= q[i] * b[j]
    return q, trim(a)


def gcd(a, b):
    while b:
        a, b = b, divide(a, b)[1]
    return a


def derivative_of_v(V, psi, k):  # d^k V / dpsi^k, psi in radians
    return -sum(V[n - 1] * mpf(n) ** k * cos(n * psi + k * pi / 2) for n in range(1, 7)) / 2


def kind_at(V, psi):
    for k in range(2, 13):
        d = derivative_of_v(V, psi, k)
        if abs(d) > mpf(10) ** -25 * sum(abs(v) * mpf(n) ** k for n, v in enumerate(V, 1)):
            return ("minimum" if d > 0 else "maximum") if k % 2 == 0 else "inflection"
    raise ValueError("no non-zero derivative")


def potential(V, phi):
    c = cos((180 - phi) * pi / 180)
    terms, previous, current = 0, 1, c   # cos(n psi) by the Chebyshev recurrence
    for v in V:
        terms += v * (1 - current)
        previous, current = current, 2 * c * current - previous
    return terms / 2


def reference(values, temperature):
    # Enough digits for V - V(minimum) to keep 20 of them where it is about RT.
    extra = max(0, int(mp.log10(max(abs(mpf(v)) for v in values) / temperature)) + 3)
    mp.dps = 40 + extra
    V = [mpf(v) for v in values]
    P = trim([sum(n * Fraction(values[n - 1]) * (U[n - 1][k] if k < len(U[n - 1]) else 0)
                  for n in range(1, 7)) for k in range(6)])
    square_free = divide(P, gcd(P, trim([k * c for k, c in enumerate(P)][1:])) or [Fraction(1)])[0]
    roots = polyroots([mpf(c.numerator) / c.denominator for c in reversed(square_free)], maxsteps=400, extraprec=200) \
        if len(square_free) > 1 else []
    thetas = [acos(mp.re(r)) * 180 / pi for r in roots
              if abs(mp.im(r)) < mpf(10) ** -30 and abs(mp.re(r)) < 1 - mpf(10) ** -30]
    angles = sorted([mpf(0), mpf(180)] + [180 - t for t in thetas] + [180 + t for t in thetas])
    points = [(a, kind_at(V, (180 - a) * pi / 180)) for a in angles]

    rt = mpf(8314462618) / 10**9 / 4184 * mpf(temperature)
    minima = [a for a, k in points if k == "minimum"]
    maxima = [a for a, k in points if k == "maximum"]
    lowest = min(potential(V, a) for a in minima)
    weights = []
    for m in minima:
        if (potential(V, m) - lowest) / rt > 200:   # a weight below e^-200 of the lowest basin's
            weights.append(mpf(0))
            continue
        after = [a for a in maxima if a > m] or [maxima[0] + 360]
        before = [a for a in maxima if a < m] or [maxima[-1] - 360]
        k = 2   # the peak's width from the first even derivative that is not zero
        while abs(derivative_of_v(V, (180 - m) * pi / 180, k)) <= mpf(10) ** -25 * sum(abs(v) * n ** k for n, v in enumerate(V, 1)):
            k += 2
        width = (mp.factorial(k) * rt / abs(derivative_of_v(V, (180 - m) * pi / 180, k))) ** (mpf(1) / k) * 180 / pi
        vm = potential(V, m)
        nodes = [before[-1], m, after[0]]
        for side in (-1, 1):   # cuts doubling away from the peak until the integrand is negligible
            cut = m + side * width / 4
            while before[-1] < cut < after[0] and potential(V, cut) - vm < 300 * rt:
                nodes.append(cut)
                cut = m + 2 * (cut - m)
        nodes.sort()
        f = lambda phi: exp(-(potential(V, phi) - vm) / rt)
        with mp.workdps(20 + extra):
            weights.append(quad(f, nodes) * exp(-(vm - lowest) / rt))
    return points, [w / sum(weights) for w in weights]


def random_sets(count, rng):
    built = [[4, -1, 0, 0, 0, 0], [6, -3, 1, 0, 0, 0], [-4, 2.5, -1, 0.25, 0, 0], [0, 0, 3, 0, 0, 0]]
    for r in (1 - 2.0 ** -20, -1 + 2.0 ** -20):   # double roots of P next to x = +-1
        built.append([12 * r * r + 3, -6 * r, 1, 0, 0, 0])
    for r in (1 - 1e-9, -1 + 1e-9, 1 - 1e-5):    # simple roots of P next to x = +-1
        built.append([-4 * r, 1, 0, 0, 0, 0])
    sets = [(v, t) for v in built for t in (1, 298.15, 10000)]
    sets += [([0, 0, 1e100, 0, 0, 0], 1), ([0, 0, 1e-100, 0, 0, 0], 10000),
             ([3e60, -5e60, 1e60, 2e60, -4e60, 1e59], 1), ([3e-60, -5e-60, 1e-60, 2e-60, 0, 0], 1)]
    while len(sets) < count:
        values = [rng.uniform(-10, 10) if rng.random() < 0.7 else 0.0 for _ in range(6)]
        if not any(values):
            continue
        scale = 10.0 ** rng.choice([0, 0, 0, rng.uniform(-40, 40)])
        sets.append(([v * scale for v in values], rng.choice([1, 10000, 10 ** rng.uniform(0, 4)])))
    return sets


def analysed_by_program(program, values, temperature):
    """The program's points (angle, kind, V, d2V) and populations for one coefficient set."""
    options = [word for n, v in enumerate(values, 1) for word in (f"--v{n}", repr(float(v)))]
    out = subprocess.run([program, "--analyze", "--json", "--temperature", repr(float(temperature))] + options,
                         capture_output=True, text=True, check=True).stdout
    result = json.loads(out)
    points = [(p["angle"], p["type"], p["V"], p["d2V"]) for p in result["stationary_points"]]
    return points, [m["population"] for m in result["minima"]]


def main():
    sets = random_sets(int(sys.argv[2]) if len(sys.argv) > 2 else 300, random.Random(20240608))
    worst = {"angle": 0, "energy": 0, "population": 0}
    failures = 0
    for values, temperature in sets:
        ours, populations = analysed_by_program(sys.argv[1], values, temperature)
        points, expected = reference(values, temperature)
        scale = max(abs(v) for v in values)
        errors = {"angle": 0, "energy": 0, "population": 0}
        same = [k for _, k in points] == [k for _, k, _, _ in ours]
        if same:
            for (a, _), (oa, _, ov, od) in zip(points, ours):
                errors["angle"] = max(errors["angle"], float(abs(a - oa)))
                errors["energy"] = max(errors["energy"], float(abs(potential([mpf(v) for v in values], a) - ov) / scale),
                                       float(abs(derivative_of_v([mpf(v) for v in values], (180 - a) * pi / 180, 2) * (pi / 180) ** 2 - od) / scale))
            errors["population"] = max([float(abs(p - q)) for p, q in zip(expected, populations)] + [0])
        for key in worst:
            worst[key] = max(worst[key], errors[key])
        if not same or errors["angle"] > 1e-7 or errors["energy"] > 1e-9 or errors["population"] > 1e-8:
            failures += 1
            print("MISMATCH", values, temperature, [(float(a), k) for a, k in points], ours, errors)
    print(f"{len(sets)} sets: largest differences: angle {worst['angle']:.3g} degree, "
          f"energy {worst['energy']:.3g} per unit of the largest coefficient, population {worst['population']:.3g}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
