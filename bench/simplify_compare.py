#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""--simplify of random 4-letter formulas of 40 symbols with every operator,
against SymPy's minimiser (python3-sympy) on the same formulas in the same
run: each run's time, the give-ups, and whether every result is minimal
(as few literals as SymPy's minimal sum of products).

    bench/simplify_compare.py PROGRAM [COUNT] [SYMBOLS]
"""
import random
import statistics
import subprocess
import sys
import time

import sympy
from sympy.logic.boolalg import SOPform

program = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 50
symbols = int(sys.argv[3]) if len(sys.argv) > 3 else 40
letters = "ABCD"
rng = random.Random(31)


def formula(size):
    """(program text, sympy expression) of about `size` symbols."""
    if size <= 1:
        v = rng.choice(letters)
        return v, sympy.Symbol(v)
    if rng.random() < 0.15:
        text, expr = formula(size - 1)
        return f"!({text})", sympy.Not(expr)
    op = rng.choice(["^", "v", "Xor", "->", "<-->"])
    left = rng.randint(1, size - 2) if size > 2 else 1
    a, ea = formula(left)
    b, eb = formula(max(1, size - 1 - left))
    expr = {"^": sympy.And, "v": sympy.Or, "Xor": sympy.Xor, "->": sympy.Implies,
            "<-->": sympy.Equivalent}[op](ea, eb)
    return f"({a}) {op} ({b})", expr


def literals(text):
    return sum(text.count(v) for v in letters)


ours, theirs, gave_up, not_minimal = [], [], 0, 0
for _ in range(count):
    text, expr = formula(symbols)
    start = time.perf_counter()
    run = subprocess.run([program, "--simplify", text], capture_output=True, text=True)
    ours.append((time.perf_counter() - start) * 1000)
    start = time.perf_counter()
    minimal = sympy.simplify_logic(expr, form="dnf", force=True)
    theirs.append((time.perf_counter() - start) * 1000)
    if run.returncode != 0:
        gave_up += 1
        continue
    last = run.stdout.strip().splitlines()[-1]
    result = last.split("[")[0].lstrip("= ").strip()
    sympy_literals = sum(1 for a in sympy.preorder_traversal(minimal) if isinstance(a, sympy.Symbol))
    if minimal in (sympy.true, sympy.false):
        sympy_literals = 0
    if literals(result) > sympy_literals:
        not_minimal += 1

for name, figures in (("program --simplify", ours), ("sympy simplify_logic", theirs)):
    print(f"{name}: median {statistics.median(figures):.1f} ms, worst {max(figures):.1f} ms")
print(f"give-ups {gave_up} of {count}, not minimal {not_minimal}")
print(f"ratio of medians program/sympy: {statistics.median(ours) / statistics.median(theirs):.2f}")
