#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the measurements of bench/ in a folder of their own and runs them:
#   bench/run.sh [proofs|derivations|exercises|startup|clicks|all]   (all by default)
# proofs:  the Google Benchmark of the proofs, ShowLaw and building the window
# derivations: the 21 rows from the basic laws, the step check, simplify
# exercises: --exercise as a whole process, every kind and level, 50 seeds
# startup: the program against a bare Qt window of its size, launched in turn
#          under Xvfb with a session bus running, as on a desktop: time to
#          first content and peak resident memory, medians and the ratios
#          program/reference
# clicks:  real clicks on the law list until the result box shows the proof
# Settings from the environment: PAIRS (20), CLICKS (500), HOLD_MS (1000),
# BUILD (build-bench), PROGRAM (what startup measures against the bare window:
# the program by default).
# Installs what it lacks (Debian 12 packages); never part of the tests.
set -euo pipefail

what=${1:-all}
case "$what" in
  proofs | derivations | exercises | startup | clicks | all) ;;
  *)
    echo "usage: $0 [proofs|derivations|exercises|startup|clicks|all]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${BUILD:-$root/build-bench}")
pairs=${PAIRS:-20}
clicks=${CLICKS:-500}
hold_ms=${HOLD_MS:-1000}

packages=(cmake g++ make qt6-base-dev fonts-liberation libbenchmark-dev libx11-dev libxtst-dev libxdamage-dev xvfb xauth dbus bc)
"$root/scripts/install-missing.sh" "${packages[@]}"

cmake -S "$root" -B "$build" -DBOOLEAN_LAWS_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target boolean-laws proof_bench derivation_bench bare_window window_probe >/dev/null

program=$(realpath -m "${PROGRAM:-$build/app/boolean-laws}")
bare=$build/bench/bare_window
probe=$build/bench/window_probe

# A server of its own, black root (the probe's "nothing drawn yet"), no
# window manager, a session bus as every desktop has; the same for program
# and reference.
on_xvfb() {
  XDG_RUNTIME_DIR=$(mktemp -d) dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -br -nolisten tcp" "$@"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run_proofs() {
  echo "== proofs, ShowLaw and the window (offscreen)"
  "$build/bench/proof_bench" --benchmark_repetitions="${REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true 2>&1 | grep -v '^\*\*\*WARNING'
}

run_derivations() {
  echo "== derivations"
  "$build/bench/derivation_bench"
}

run_exercises() {
  echo "== --exercise without --answer, the whole process, seeds 0 to 49"
  "$root/bench/exercise_times.sh" "$program"
}

run_startup() {
  echo "== start-up and peak memory: $pairs interleaved pairs, each held ${hold_ms} ms"
  local results
  results=$(mktemp)
  # Alternating which of the two starts first; one pair beforehand warms the
  # file cache and is not counted.
  on_xvfb bash -c '
    probe=$1 program=$2 bare=$3 pairs=$4 hold=$5
    one() { "$probe" startup --hold "$hold" -- "$2" | sed "s/^/$1 /"; }
    one warm "$bare" >/dev/null; one warm "$program" >/dev/null
    for i in $(seq "$pairs"); do
      if [ $((i % 2)) -eq 1 ]; then one bare "$bare"; one program "$program"
      else one program "$program"; one bare "$bare"; fi
    done' _ "$probe" "$program" "$bare" "$pairs" "$hold_ms" >"$results"
  local who field
  for who in bare program; do
    for field in first_content_ms cpu_ms peak_rss_kib; do
      grep "^$who " "$results" | sed -n "s/.* $field=\([0-9.]*\).*/\1/p" | median >"$results.$who.$field"
    done
  done
  value() { cat "$results.$1.$2"; }
  awk -v bt="$(value bare first_content_ms)" -v pt="$(value program first_content_ms)" \
    -v bc="$(value bare cpu_ms)" -v pc="$(value program cpu_ms)" \
    -v bm="$(value bare peak_rss_kib)" -v pm="$(value program peak_rss_kib)" \
    -v n="$(grep -c '^program ' "$results")" 'BEGIN {
      printf "%-26s %12s %12s %8s\n", "median of " n " runs", "bare window", "program", "ratio"
      printf "%-26s %12.1f %12.1f %8.3f\n", "first content (ms)", bt, pt, pt / bt
      printf "%-26s %12.1f %12.1f %8.3f\n", "processor time by then (ms)", bc, pc, pc / bc
      printf "%-26s %12.2f %12.2f %8.3f\n", "peak memory (MiB)", bm / 1024, pm / 1024, pm / bm
    }'
  rm -f "$results" "$results".*
}

run_clicks() {
  echo "== $clicks clicks on the law list until the result box shows the new proof"
  # Rows 2, 3, 4 and 1 of the law list in turn (each another proof), at the
  # window's fixed places; watched: the result box.
  on_xvfb "$probe" clicks --count "$clicks" \
    --at 100,204 --at 100,222 --at 100,240 --at 100,185 --watch 144,264,417,129 \
    -- "$program" | tail -n 1
}

# Other work on the machine shows in every figure but the processor times.
echo "== $(nproc) processors; load average $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$what" = proofs ] || [ "$what" = all ] && run_proofs
[ "$what" = derivations ] || [ "$what" = all ] && run_derivations
[ "$what" = exercises ] || [ "$what" = all ] && run_exercises
[ "$what" = startup ] || [ "$what" = all ] && run_startup
[ "$what" = clicks ] || [ "$what" = all ] && run_clicks
exit 0
