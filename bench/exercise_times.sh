#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process times of --exercise without --answer, for every kind and
# level over seeds 0 to SEEDS-1 (50): the median and the worst, in ms.
#   bench/exercise_times.sh PROGRAM
set -euo pipefail
program=${1:?usage: $0 PROGRAM}
seeds=${SEEDS:-50}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf "%-10s %-8s %10s %10s\n" kind level "median ms" "worst ms"
"$program" --exercise table --level easy --seed 0 >/dev/null # warms the file cache
for kind in prove simplify table map law; do
  for level in easy medium hard; do
    times=$(mktemp)
    for seed in $(seq 0 $((seeds - 1))); do
      start=$(date +%s%N)
      "$program" --exercise "$kind" --level "$level" --seed "$seed" >/dev/null
      end=$(date +%s%N)
      echo "scale=1; ($end - $start) / 1000000" | bc >>"$times"
    done
    printf "%-10s %-8s %10s %10s\n" "$kind" "$level" "$(median <"$times")" "$(sort -g "$times" | tail -n 1)"
    rm -f "$times"
  done
done
