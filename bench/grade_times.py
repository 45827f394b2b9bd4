#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times --grade on a class: 30 answers files of 10 tasks each.

    bench/grade_times.py build/app/boolean-laws

The assignment's tasks are the program's own exercises (a level and a
seed); each student hands in the program's answers, every third one with a
table cell and a chain step spoiled, so that wrong work is checked too.
Prints the median and the worst of five runs.
"""
import hashlib
import os
import statistics
import subprocess
import sys
import tempfile
import time

TASKS = [("prove", "medium", 1), ("prove", "hard", 2), ("simplify", "medium", 3),
         ("simplify", "hard", 4), ("table", "hard", 5), ("map", "hard", 6),
         ("law", "hard", 7), ("prove", "easy", 8), ("map", "medium", 9), ("law", "medium", 10)]
KEYS = {"prove": "докажи", "simplify": "опрости", "table": "таблица", "map": "карта", "law": "закон"}
LEVELS = {"easy": "лесно", "medium": "средно", "hard": "трудно"}


def answer_lines(program, kind, level, seed):
    out = subprocess.run([program, "--exercise", kind, "--level", level, "--seed", str(seed), "--answer"],
                         check=True, capture_output=True, text=True).stdout.splitlines()[2:]
    if kind == "table":
        return [" ".join(line.split("|")[1].strip() for line in out)]
    if kind == "map":
        return [product.strip() for product in out[0].split(":", 1)[1].split(" v ")]
    return out


def spoiled(kind, lines):
    if kind == "table":
        return [("1" if lines[0][0] == "0" else "0") + lines[0][1:]]
    if kind in ("prove", "simplify") and len(lines) > 2:
        return lines[:1] + ["!(" + lines[1].lstrip("= ").split("  [")[0] + ")"] + lines[2:]
    return lines


def main():
    program = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as folder:
        assignment = "задание: Клас\n" + "".join(
            f"{KEYS[kind]}: {LEVELS[level]} {seed}\n" for kind, level, seed in TASKS)
        path = os.path.join(folder, "задание.txt")
        with open(path, "w", encoding="utf-8") as file:
            file.write(assignment)
        sha = hashlib.sha256(assignment.encode("utf-8")).hexdigest()
        work = [(kind, answer_lines(program, kind, level, seed)) for kind, level, seed in TASKS]
        files = []
        for student in range(30):
            text = f"отговори: Клас\nзадание: {sha}\nученик: Ученик {student + 1}\n"
            for number, (kind, lines) in enumerate(work, 1):
                if student % 3 == 2:
                    lines = spoiled(kind, lines)
                text += f"\nзадача {number}\nподсказки: 0\n" + "\n".join(lines) + "\n"
            files.append(os.path.join(folder, f"ученик-{student + 1}.txt"))
            with open(files[-1], "w", encoding="utf-8") as file:
                file.write(text)
        times = []
        for _ in range(5):
            start = time.perf_counter()
            run = subprocess.run([program, "--grade", path, *files], capture_output=True, text=True)
            times.append(time.perf_counter() - start)
            if run.returncode != 0:
                sys.exit(run.stderr)
        print(run.stdout.splitlines()[0])
        print(run.stdout.splitlines()[2])
        print(f"--grade, 30 files of 10 tasks: median {statistics.median(times):.2f} s, worst {max(times):.2f} s")


if __name__ == "__main__":
    main()
