#!/usr/bin/env python3
"""Writes tests/solvers/quadratic_cases.txt once, with SymPy as the oracle.

Quadratics with rational coefficients spread over both sides, half of them
built from rational roots. A term is n/d:e (n/d times x^e); "|" parts the sides.
  left | right => status [a b c [a b c]]  distinct real roots a + b*sqrt(c), ascending
"""
import random
from pathlib import Path

from sympy import Poly, Rational, Symbol, real_roots

x = Symbol("x")
rng = random.Random(19)


def coefficient():
    return Rational(rng.randint(-12, 12), rng.choice([1, 1, 2, 3, 4, 10]))


def case():
    if rng.random() < 0.5:
        poly = sum(coefficient() * x**e for e in range(3))
    else:
        r1, r2 = (Rational(rng.randint(-9, 9), rng.randint(1, 4)) for _ in range(2))
        poly = coefficient() * (x - r1) * (x - (r1 if rng.random() < 0.2 else r2))
    p = Poly(poly, x)
    if p.degree() != 2:
        return None
    left, right = [], []
    for e in range(3):  # each coefficient split between the sides, or left whole on one
        c, moved = p.coeff_monomial(x**e), coefficient()
        left += [(c + moved, e)] if c + moved else []
        right += [(moved, e)] if moved else []
    rng.shuffle(left), rng.shuffle(right)
    text = lambda terms: " ".join(f"{q.p}/{q.q}:{e}" for q, e in terms) or "0/1:0"
    roots = real_roots(p)
    status = "none" if not roots else "rational_repeated" if roots[0] == roots[1] else (
        "rational_distinct" if roots[0].is_rational else "irrational_distinct")
    parts = []
    for root in sorted(set(roots), key=lambda r: r.evalf()):
        a, rest = root.as_coeff_Add()
        b, radical = rest.as_coeff_Mul() if rest else (0, 0)
        parts.append(f"{Rational(a).p}/{Rational(a).q} {Rational(b).p}/{Rational(b).q} {radical**2}")
    return f"{text(left)} | {text(right)} => {status} {' '.join(parts)}".rstrip()


lines = []
while len(lines) < 30:
    lines += filter(None, [case()])
(Path(__file__).resolve().parents[1] / "solvers" / "quadratic_cases.txt").write_text("\n".join(lines) + "\n")
