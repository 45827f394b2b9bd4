#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program (a test, or the program itself) under valgrind's memcheck:
# any memory error, and any block definitely lost, fails the run.
#   scripts/memcheck.sh PROGRAM [ARGUMENT...]
# e.g. QT_QPA_PLATFORM=offscreen scripts/memcheck.sh build/tests/window_test
# Add --track-origins=yes to VALGRIND_OPTS to learn where an uninitialised
# value came from (it makes the run twice as slow).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if ! command -v valgrind >/dev/null; then
  echo "$0: valgrind is missing (apt-get install valgrind)" >&2
  exit 1
fi
exec valgrind --tool=memcheck --error-exitcode=99 \
  --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --num-callers=40 --suppressions="$root/tests/valgrind.supp" "$@"
