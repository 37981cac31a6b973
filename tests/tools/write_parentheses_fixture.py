#!/usr/bin/env python3
"""Writes tests/solvers/parentheses_cases.txt once, with SymPy as the oracle.

One case a line: "rel left | right => status value rel'" (the verdict as in
verdict_cases.txt). A side is its term lists, inner lists first and the top
level last, parted by ";"; a term is n/d:e (n/d as stored, times x^e), and
n/d:e@j multiplies term list j in parentheses.
"""
import random
from pathlib import Path

from sympy import Eq, Ge, Gt, Le, Lt, Rational, S, Symbol, solveset

x = Symbol("x", real=True)
RELATIONS = {"=": Eq, "<": Lt, ">": Gt, "<=": Le, ">=": Ge}
rng = random.Random(18)


def coefficient():  # numerators in ±9 (zeros sometimes), denominators in ±4, unreduced ones too
    return (0 if rng.random() < 0.08 else rng.randint(-9, 9)), rng.choice([1, 1, 2, 3, -2, 4])


def multiplier():  # constant, fractional, negative and unit multipliers
    return rng.choice([(1, 1), (-1, 1), (2, 2), coefficient(), coefficient()])


def expression(lists, depth):
    """Appends the lists of a sum (inner first) and returns its index and value."""
    terms, value = [], S.Zero
    for _ in range(rng.randint(1, 1 if depth == 3 and rng.random() < 0.3 else 3)):
        if depth < 3 and rng.random() < 0.45:
            (n, d), (j, inner) = multiplier(), expression(lists, depth + 1)
            terms.append(f"{n}/{d}:0@{j}")
            value += Rational(n, d) * inner
        else:
            (n, d), e = coefficient(), rng.choice([0, 1])
            terms.append(f"{n}/{d}:{e}")
            value += Rational(n, d) * x**e
    lists.append(" ".join(terms))
    return len(lists) - 1, value


def side(depth):
    lists = []
    _, value = expression(lists, depth)
    return " ; ".join(lists), value


def case():
    (left, l), (right, r) = side(1), side(rng.choice([1, 2, 3]))
    if rng.random() < 0.25:  # the left side again, plus a constant: all values or none
        k = rng.randint(-2, 2)
        right, r = f"{left} {k}/1:0", l + k
    rel = rng.choice(list(RELATIONS))
    got = solveset(RELATIONS[rel](l - r, 0), x, S.Reals)
    if got in (S.Reals, S.EmptySet):
        verdict = f"{'infinite' if got == S.Reals else 'none'} 0/1 {rel}"
    elif got.is_FiniteSet:
        verdict = f"unique {got.args[0].p}/{got.args[0].q} ="
    elif got.start == S.NegativeInfinity:
        verdict = f"unique {got.end.p}/{got.end.q} {'<' if got.right_open else '<='}"
    else:
        verdict = f"unique {got.start.p}/{got.start.q} {'>' if got.left_open else '>='}"
    return f"{rel} {left} | {right} => {verdict}"


lines = [case() for _ in range(60)]
(Path(__file__).resolve().parents[1] / "solvers" / "parentheses_cases.txt").write_text("\n".join(lines) + "\n")
