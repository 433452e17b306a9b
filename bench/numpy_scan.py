#!/usr/bin/env python3
"""The scan as a NumPy user would write it: the grid by a cumulative sum of the step (the same
additions, in the same order, as zelmara-scan's running angle), the derivative and potential
with np.sin and np.cos over the whole grid, and the accepted rows printed with "%g", largest
angle first unless --ascending. With every coefficient zero its output is byte for byte that of
zelmara-scan; otherwise np.sin and np.cos may differ from the C library in the last bit."""

import argparse
import sys

import numpy as np


def main():
    parser = argparse.ArgumentParser()
    for n in range(1, 7):
        parser.add_argument(f"--v{n}", type=float, default=0.0)
    parser.add_argument("--precision", type=float, default=0.005)
    parser.add_argument("--ascending", action="store_true")
    args = parser.parse_args()
    V = [0.0] + [getattr(args, f"v{n}") for n in range(1, 7)]
    h = args.precision

    steps = np.full(int(180.1 / h) + 2, h)
    steps[0] = 0.0
    phi = np.cumsum(steps)
    phi = phi[phi <= 180.1]
    s = 180.0 - phi

    d = np.zeros_like(phi)
    for n in range(1, 7):
        d = d + np.sin(((n * s) * np.pi) / 180.0) * (n * V[n])
    d = 0.5 * d
    accepted = np.abs(d) < h / 10.0
    phi, s, d = phi[accepted], s[accepted], d[accepted]
    p = np.zeros_like(phi)
    for n in range(1, 7):
        p = p + (1.0 - np.cos(((n * s) * np.pi) / 180.0)) * (0.5 * V[n])
    if not args.ascending:
        phi, d, p = phi[::-1], d[::-1], p[::-1]

    out = sys.stdout.buffer
    out.write("Ángulo\tDerivada de V\tV(Kcal/mol)\n".encode())
    rows = map("%g\t%g\t%g\n".__mod__, zip(phi.tolist(), d.tolist(), p.tolist()))
    out.write("".join(rows).encode())


main()
