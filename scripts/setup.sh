#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (Debian 12 packages only), builds, and then either
# starts the program (`run`) or runs the whole test suite headless (`test`).
# Safe to run again and again: it installs only what is not there yet.
set -euo pipefail

mode=${1:-}
case "$mode" in
  run | test) ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

# Qt's Bulgarian translations give the text boxes' context menu in Bulgarian;
# lrelease (qt6-l10n-tools) compiles the program's own translations.
packages=(cmake g++ make qt6-base-dev fonts-liberation qt6-translations-l10n qt6-l10n-tools)
if [ "$mode" = test ]; then
  # The packaging tests validate the desktop entry and metainfo and build the
  # .deb (cpack needs `file`, dpkg-shlibdeps comes with dpkg-dev).
  packages+=(desktop-file-utils appstream dpkg-dev file)
  # The window tests run again in Bulgarian, Turkish and Arabic locales,
  # compiled from the sources in `locales`; once more with DejaVu Serif as
  # the only serif; and under valgrind's memcheck.
  packages+=(locales fonts-dejavu-core valgrind)
  # The proof sheets' PDF is read back as text; the sources' layout is
  # checked against .clang-format.
  packages+=(poppler-utils clang-format)
fi

"$root/scripts/install-missing.sh" "${packages[@]}"

# The test command (and so CI) builds with warnings as errors.
testing=OFF
[ "$mode" = test ] && testing=ON
cmake -S "$root" -B "$build" -DBUILD_TESTING="$testing" -DBOOLEAN_LAWS_WERROR="$testing" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = run ]; then
  exec "$build/app/boolean-laws"
fi

cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"

# The whole suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer (CMakePresets.json, in build-asan/).
cd "$root"
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$(nproc)"
# The preset builds with -O1: unoptimised, the searches' tests (law table,
# derivations' fuzz) took over five minutes each under the sanitizers.
ctest --preset asan --parallel "$(nproc)"

# The Windows program, cross-built from the same sources (its Qt is built
# once per machine and cached), checked under wine against the plain build.
"$root/tests/windows/run-wine-tests.sh" "$build"
