#!/usr/bin/env python3
"""scipy.optimize.curve_fit of E = c + 1/2 sum_{n=1..4} Vn (1 - cos n(180 - phi)) on the points
of a file (lines "angle energy"); prints the best seconds per call and, on a second line, the
fitted c and V1 ... V4. Run by fit_bench."""
import sys
import timeit

import numpy as np
from scipy.optimize import curve_fit


def model(phi, c, v1, v2, v3, v4):
    psi = np.radians(180.0 - phi)
    return c + 0.5 * (v1 * (1 - np.cos(psi)) + v2 * (1 - np.cos(2 * psi)) + v3 * (1 - np.cos(3 * psi))
                      + v4 * (1 - np.cos(4 * psi)))


points = np.loadtxt(sys.argv[1])
phi, energy = points[:, 0], points[:, 1]
calls = 200
best = min(timeit.repeat(lambda: curve_fit(model, phi, energy, p0=np.zeros(5)), number=calls, repeat=7)) / calls
print(best)
print(*curve_fit(model, phi, energy, p0=np.zeros(5))[0])
