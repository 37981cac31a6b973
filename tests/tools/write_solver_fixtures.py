#!/usr/bin/env python3
"""Writes tests/solvers/verdict_cases.txt once, with SymPy as the oracle.

A term is n/d:e (n/d as stored, times x^e); "|" parts the sides.
  L rel left | right => status value rel'   from solveset over the reals
  Q left | right => status [a b c a b c]    real roots a + b*sqrt(c), ascending
  P rel left | right => status value rel'   with parentheses: a side is its term lists,
      inner ones first, parted by ";"; n/d:e@j multiplies list j in parentheses
"""
import random
from pathlib import Path

from sympy import Eq, Ge, Gt, Le, Lt, Poly, Rational, S, Symbol, real_roots, solveset

x = Symbol("x", real=True)
RELATIONS = {"=": Eq, "<": Lt, ">": Gt, "<=": Le, ">=": Ge}
rng = random.Random(17)


def frac(q):
    return f"{Rational(q).p}/{Rational(q).q}"


def side(exponents, count):  # numerators in ±12 (zeros included), denominators in ±6
    return [(0 if rng.random() < 0.12 else rng.randint(-12, 12), rng.choice([d for d in range(-6, 7) if d]),
             rng.choice(exponents)) for _ in range(count)]


def text(terms):
    return " ".join(f"{n}/{d}:{e}" for n, d, e in terms) or "0/1:0"


def value(terms):
    return sum((Rational(n, d) * x**e for n, d, e in terms), S.Zero)


def term(q, e):  # q over a random multiple, so that some terms come unreduced
    k = rng.choice([1, 1, 2, -1])
    return q.p * k, q.q * k, e


def linear_case():
    left, right = side([0, 1], rng.randint(1, 4)), side([0, 1], rng.randint(1, 3))
    if rng.random() < 0.4:  # A = 0, and one time in three also B = 0
        right = [t for t in right if t[2] == 0]
        right.append(term(value(left).coeff(x, 1), 1))
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
    if difference.degree() != 2:
        return None
    roots = real_roots(difference)
    status = "none" if not roots else "rational_repeated" if roots[0] == roots[1] else (
        "rational_distinct" if roots[0].is_rational else "irrational_distinct")
    parts = []
    for root in roots:
        a, rest = root.as_coeff_Add()
        b, radical = rest.as_coeff_Mul() if rest else (0, 0)
        parts.append(f"{frac(a)} {frac(b)} {radical**2}")
    return f"Q {text(left)} | {text(right)} => {status} {' '.join(parts)}".rstrip()


def parenthesised(lists, depth):
    """Appends the lists of a sum of depth ≤ 3 (inner first); its index and value."""
    terms, value = [], S.Zero
    for _ in range(prng.randint(1, 1 if depth == 3 and prng.random() < 0.3 else 3)):
        n, d = 0 if prng.random() < 0.08 else prng.randint(-9, 9), prng.choice([1, 1, 2, 3, -2, 4])
        if depth < 3 and prng.random() < 0.45:  # unit, negative and fractional multipliers
            (n, d), (j, inner) = prng.choice([(1, 1), (-1, 1), (2, 2), (n, d)]), parenthesised(lists, depth + 1)
            terms.append(f"{n}/{d}:0@{j}")
            value += Rational(n, d) * inner
        else:
            e = prng.choice([0, 1])
            terms.append(f"{n}/{d}:{e}")
            value += Rational(n, d) * x**e
    lists.append(" ".join(terms))
    return len(lists) - 1, value


def side_with_parentheses(depth):
    lists = []
    value = parenthesised(lists, depth)[1]
    return " ; ".join(lists), value


def parentheses_case():
    (left, l), (right, r) = [side_with_parentheses(depth) for depth in (1, prng.choice([1, 2, 3]))]
    if prng.random() < 0.25:  # the left side again, plus a constant: all values or none
        k = prng.randint(-2, 2)
        right, r = f"{left} {k}/1:0", l + k
    rel = prng.choice(list(RELATIONS))
    return f"P {rel} {left} | {right} => {verdict(rel, l - r)}"


lines = [linear_case() for _ in range(90)]
while len(lines) < 140:
    lines += filter(None, [quadratic_case()])
prng = random.Random(18)
lines += [parentheses_case() for _ in range(40)]
(Path(__file__).resolve().parents[1] / "solvers" / "verdict_cases.txt").write_text("\n".join(lines) + "\n")
