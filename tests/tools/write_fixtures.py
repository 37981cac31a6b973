#!/usr/bin/env python3
"""Writes the test fixtures once, with SymPy as the oracle, each file from a seed of its own.
A term is n/d:e (n/d as stored, times x^e); "|" parts the sides.
algebra/cancel_fixture.txt: "N 2 0 -2 D 4 4 P 1 -1 Q 2", N/D from the highest power down and
  SymPy's cancel of it, P/Q. N and D multiply a content, a power of x, shared and own linear
  factors and at most one x^2 + k; none starts out final.
solvers/verdict_cases.txt: L rel left | right => status value rel' (solveset over the reals);
  Q left | right => status [a b c a b c] (real roots a + b*sqrt(c), ascending); P as L with
  parentheses: a side is its term lists, inner ones first, parted by ";"; n/d:e@j multiplies list j.
solvers/quadratic_cases.txt: as Q, distinct roots only, the coefficients spread over both sides.
"""
import random
from pathlib import Path

from sympy import Eq, Ge, Gt, Le, Lt, Poly, Rational, S, Symbol, cancel, fraction, ilcm, real_roots, solveset

x = Symbol("x", real=True)
RELATIONS = {"=": Eq, "<": Lt, ">": Gt, "<=": Le, ">=": Ge}
frac = lambda q: f"{Rational(q).p}/{Rational(q).q}"
text = lambda terms: " ".join(f"{n}/{d}:{e}" for n, d, e in terms) or "0/1:0"
value = lambda terms: sum((Rational(n, d) * x**e for n, d, e in terms), S.Zero)
write = lambda path, lines: (Path(__file__).resolve().parents[1] / path).write_text("\n".join(lines) + "\n")

def roots_text(poly, distinct):  # "status a b c ...", each real root a + b*sqrt(c)
    roots = real_roots(poly)
    status = "none" if not roots else "rational_repeated" if roots[0] == roots[1] else (
        "rational_distinct" if roots[0].is_rational else "irrational_distinct")
    parts = []
    for root in sorted(set(roots), key=lambda r: r.evalf()) if distinct else roots:
        a, rest = root.as_coeff_Add()
        b, radical = rest.as_coeff_Mul() if rest else (0, 0)
        parts.append(f"{frac(a)} {frac(b)} {radical**2}")
    return f"{status} {' '.join(parts)}".rstrip()

def product_side(shared):
    factors = shared + [linear() for _ in range(rng.randint(0, 2))]
    # One x^2 + k at most: a product of two would stay whole, as rational roots cannot split it.
    if rng.random() < 0.2 and not any(f.has(x**2) for f in shared):
        factors.append(x**2 + rng.randint(1, 3))
    product = rng.choice([1, 1, 2, 3, -1, -2, 6]) * x ** rng.choice([0, 0, 1, 2])
    for f in factors:
        product *= f
    return Poly(product.expand(), x), factors

rng, lines = random.Random(16), []
linear = lambda: rng.choice([1, 1, 2, 3]) * x + rng.choice([-4, -3, -2, -1, 1, 2, 3, 5])
while len(lines) < 32:
    shared = [linear() for _ in range(rng.randint(0, 2))] + ([x**2 + 1] if rng.random() < 0.15 else [])
    (n, n_factors), (d, d_factors) = product_side(shared), product_side(shared)
    if n.degree() > 6 or d.degree() > 6 or n.is_zero or d.is_zero or not any(
            len(fs) >= 2 or (p.degree() >= 2 and fs) for p, fs in ((n, n_factors), (d, d_factors))):
        continue
    p, q = (Poly(f, x) for f in fraction(cancel(n.as_expr() / d.as_expr())))
    scale = ilcm(*[Rational(c).q for c in p.all_coeffs() + q.all_coeffs()])
    lines.append(" ".join(f"{tag} {' '.join(str(c) for c in f.all_coeffs())}"
                          for tag, f in zip("NDPQ", (n, d, p * scale, q * scale))))
write("algebra/cancel_fixture.txt", lines)

def side(exponents, count):  # numerators in ±12 (zeros included), denominators in ±6
    return [(0 if rng.random() < 0.12 else rng.randint(-12, 12), rng.choice([d for d in range(-6, 7) if d]),
             rng.choice(exponents)) for _ in range(count)]

def term(q, e):  # q over a random multiple, so that some terms come unreduced
    k = rng.choice([1, 1, 2, -1])
    return q.p * k, q.q * k, e

def linear_case():
    left, right = side([0, 1], rng.randint(1, 4)), side([0, 1], rng.randint(1, 3))
    if rng.random() < 0.4:  # A = 0, and one time in three also B = 0
        right = [t for t in right if t[2] == 0] + [term(value(left).coeff(x, 1), 1)]
        if rng.random() < 0.4:
            right.append(term((value(left) - value(right)).coeff(x, 0), 0))
    rel = rng.choice(list(RELATIONS))
    return f"L {rel} {text(left)} | {text(right)} => {verdict(rel, value(left) - value(right))}"

def verdict(rel, difference):
    got = solveset(RELATIONS[rel](difference, 0), x, S.Reals)
    if got in (S.Reals, S.EmptySet):
        return f"{'infinite' if got == S.Reals else 'none'} 0/1 {rel}"
    if got.is_FiniteSet:
        return f"unique {frac(got.args[0])} ="
    if got.start == S.NegativeInfinity:
        return f"unique {frac(got.end)} {'<' if got.right_open else '<='}"
    return f"unique {frac(got.start)} {'>' if got.left_open else '>='}"

def quadratic_case():
    if rng.random() < 0.6:
        left, right = side([0, 1, 2], rng.randint(1, 4)), side([0, 1, 2], rng.randint(1, 3))
    else:  # k(px − q)(rx − s), spread over both sides, a repeated root half the time
        k = Rational(rng.randint(-6, 6) or 1, rng.randint(1, 4))
        p, q = rng.randint(1, 4), rng.randint(-6, 6)
        r, s = (p, q) if rng.random() < 0.5 else (rng.randint(1, 4), rng.randint(-6, 6))
        poly, moved = Poly(k * (p * x - q) * (r * x - s), x), rng.randint(0, 2)
        left, right = [], []
        for e in range(3):
            c, extra = poly.coeff_monomial(x**e), Rational(rng.randint(-9, 9), rng.randint(1, 5))
            left += [term(c + extra, e)] if e == moved else [term(c, e)] if c else []
            right += [term(extra, e)] if e == moved else []
    if rng.random() < 0.2:  # the same cube on both sides cancels
        left.append(side([3], 1)[0]), right.append(left[-1])
    difference = Poly(value(left) - value(right), x)
    return difference.degree() == 2 and f"Q {text(left)} | {text(right)} => {roots_text(difference, False)}"

def parenthesised(lists, depth):
    """Appends the lists of a sum of depth ≤ 3 (inner first); its index and value."""
    terms, total = [], S.Zero
    for _ in range(rng.randint(1, 1 if depth == 3 and rng.random() < 0.3 else 3)):
        n, d = 0 if rng.random() < 0.08 else rng.randint(-9, 9), rng.choice([1, 1, 2, 3, -2, 4])
        if depth < 3 and rng.random() < 0.45:  # unit, negative and fractional multipliers
            (n, d), (j, inner) = rng.choice([(1, 1), (-1, 1), (2, 2), (n, d)]), parenthesised(lists, depth + 1)
            terms.append(f"{n}/{d}:0@{j}")
            total += Rational(n, d) * inner
        else:
            e = rng.choice([0, 1])
            terms.append(f"{n}/{d}:{e}")
            total += Rational(n, d) * x**e
    lists.append(" ".join(terms))
    return len(lists) - 1, total

def parentheses_case():
    sides = [(lists := [], parenthesised(lists, depth)[1]) for depth in (1, rng.choice([1, 2, 3]))]
    (left, l), (right, r) = [(" ; ".join(lists), total) for lists, total in sides]
    if rng.random() < 0.25:  # the left side again, plus a constant: all values or none
        k = rng.randint(-2, 2)
        right, r = f"{left} {k}/1:0", l + k
    rel = rng.choice(list(RELATIONS))
    return f"P {rel} {left} | {right} => {verdict(rel, l - r)}"

rng = random.Random(17)
lines = [linear_case() for _ in range(90)]
while len(lines) < 140:
    lines += filter(None, [quadratic_case()])
rng = random.Random(18)
write("solvers/verdict_cases.txt", lines + [parentheses_case() for _ in range(40)])

rng, lines = random.Random(19), []
coefficient = lambda: Rational(rng.randint(-12, 12), rng.choice([1, 1, 2, 3, 4, 10]))
while len(lines) < 20:
    r1, r2 = (Rational(rng.randint(-9, 9), rng.randint(1, 4)) for _ in range(2))
    p = Poly(sum(coefficient() * x**e for e in range(3)) if rng.random() < 0.5 else
             coefficient() * (x - r1) * (x - (r1 if rng.random() < 0.2 else r2)), x)
    if p.degree() != 2:
        continue
    left, right = [], []
    for e in range(3):  # each coefficient split between the sides
        c, moved = p.coeff_monomial(x**e), coefficient()
        left += [((c + moved).p, (c + moved).q, e)] if c + moved else []
        right += [(moved.p, moved.q, e)] if moved else []
    rng.shuffle(left), rng.shuffle(right)
    lines.append(f"{text(left)} | {text(right)} => {roots_text(p, True)}")
write("solvers/quadratic_cases.txt", lines)
