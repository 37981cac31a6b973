#!/usr/bin/env python3
"""Writes tests/algebra/cancel_fixture.txt (run from the repository root):
per line N/D with integer coefficients and SymPy's cancel of it, P/Q, each
from the highest power down: "N 2 0 -2 D 4 4 P 1 -1 Q 2". N and D multiply a
content, a power of x, shared and own linear factors and at most one x^2 + k;
one side has degree 2 or more and a linear factor, so none starts out final.
"""
import random

import sympy

x = sympy.symbols("x")
random.seed(16)


def linear():
    return random.choice([1, 1, 2, 3]) * x + random.choice([-4, -3, -2, -1, 1, 2, 3, 5])


def side(shared):
    factors = shared + [linear() for _ in range(random.randint(0, 2))]
    # One x^2 + k at most: a product of two would stay whole, as rational
    # roots cannot split it.
    if random.random() < 0.2 and not any(f.has(x**2) for f in shared):
        factors.append(x**2 + random.randint(1, 3))
    product = random.choice([1, 1, 2, 3, -1, -2, 6]) * x ** random.choice([0, 0, 1, 2])
    for f in factors:
        product *= f
    return sympy.Poly(sympy.expand(product), x), factors


def coefficients(poly):
    return " ".join(str(c) for c in poly.all_coeffs())


lines = []
while len(lines) < 32:
    shared = [linear() for _ in range(random.randint(0, 2))]
    if random.random() < 0.15:
        shared.append(x**2 + 1)
    n, n_factors = side(shared)
    d, d_factors = side(shared)
    if n.degree() > 6 or d.degree() > 6 or n.is_zero or d.is_zero:
        continue
    unfinished = any(len(fs) >= 2 or (p.degree() >= 2 and fs) for p, fs in ((n, n_factors), (d, d_factors)))
    if not unfinished:
        continue
    p, q = sympy.fraction(sympy.cancel(n.as_expr() / d.as_expr()))
    p, q = sympy.Poly(p, x), sympy.Poly(q, x)
    scale = sympy.ilcm(*[sympy.Rational(c).q for c in p.all_coeffs() + q.all_coeffs()])
    p, q = p * scale, q * scale
    lines.append(f"N {coefficients(n)} D {coefficients(d)} P {coefficients(p)} Q {coefficients(q)}")

with open("tests/algebra/cancel_fixture.txt", "w", encoding="utf-8") as out:
    out.write("\n".join(lines) + "\n")
