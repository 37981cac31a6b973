#!/usr/bin/env python3
"""Writes tests/solvers/quadratic_cases.txt once, with SymPy as the oracle: quadratics with
rational coefficients spread over both sides, half of them built from rational roots.
  left | right => status [a b c [a b c]]   distinct real roots a + b*sqrt(c), ascending
A term is n/d:e (n/d times x^e); "|" parts the sides."""
import random
from pathlib import Path

from sympy import Poly, Rational as Q, Symbol, real_roots

x, rng, lines = Symbol("x"), random.Random(19), []
coefficient = lambda: Q(rng.randint(-12, 12), rng.choice([1, 1, 2, 3, 4, 10]))
text = lambda terms: " ".join(f"{q.p}/{q.q}:{e}" for q, e in terms) or "0/1:0"
while len(lines) < 20:
    r1, r2 = (Q(rng.randint(-9, 9), rng.randint(1, 4)) for _ in range(2))
    p = Poly(sum(coefficient() * x**e for e in range(3)) if rng.random() < 0.5 else
             coefficient() * (x - r1) * (x - (r1 if rng.random() < 0.2 else r2)), x)
    if p.degree() != 2:
        continue
    left, right = [], []
    for e in range(3):  # each coefficient split between the sides
        c, moved = p.coeff_monomial(x**e), coefficient()
        left += [(c + moved, e)] if c + moved else []
        right += [(moved, e)] if moved else []
    rng.shuffle(left), rng.shuffle(right)
    roots = real_roots(p)
    status = "none" if not roots else "rational_repeated" if roots[0] == roots[1] else (
        "rational_distinct" if roots[0].is_rational else "irrational_distinct")
    parts = []
    for root in sorted(set(roots), key=lambda r: r.evalf()):
        a, rest = root.as_coeff_Add()
        b, radical = rest.as_coeff_Mul() if rest else (0, 0)
        parts.append(f"{Q(a).p}/{Q(a).q} {Q(b).p}/{Q(b).q} {radical**2}")
    lines.append(f"{text(left)} | {text(right)} => {status} {' '.join(parts)}".rstrip())
(Path(__file__).resolve().parents[1] / "solvers" / "quadratic_cases.txt").write_text("\n".join(lines) + "\n")
