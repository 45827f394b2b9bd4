#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under wine, held against the Linux build:
#   tests/windows/run-wine-tests.sh [LINUX_BUILD_FOLDER]   (default: build)
# Builds the zip and the installer with scripts/build-windows.sh (the Windows
# Qt is built once per machine and reused), unpacks the zip into a fresh
# wine prefix under build-windows/, and checks that the command-line modes
# answer byte for byte as on Linux, that the window opens with the Linux
# window's title and client size, and that the installer installs, the
# installed program answers, and the uninstaller removes it. Everything runs
# on a private X server; wine's first-start dialogs are turned off.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
linux_build=$(cd "${1:-$root/build}" && pwd)

if [ -z "${BOOLEAN_LAWS_WINE_X_SERVER:-}" ]; then
  "$root/scripts/install-missing.sh" wine wine64 fonts-wine xvfb xauth x11-utils poppler-utils unzip
  "$root/scripts/build-windows.sh"
  # Never the caller's desktop: wine's windows go to a screen of their own.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env BOOLEAN_LAWS_WINE_X_SERVER=1 "$0" "$linux_build"
fi

out="$root/build-windows"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/build/CMakeCache.txt")
name="boolean-laws-$version-windows-x64"
work="$out/wine-test"
rm -rf "$work"
mkdir -p "$work/linux" "$work/windows" "$work/linux-settings"
unzip -q "$out/$name.zip" -d "$work"

linux_program="$linux_build/app/boolean-laws"
windows_program="$work/$name/boolean-laws.exe"
export LC_ALL=C.UTF-8
# The window tests need each platform's own window system.
unset QT_QPA_PLATFORM
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko to offer, no menu entries written into the host's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The Linux program remembers nothing from the machine's user either.
export XDG_CONFIG_HOME="$work/linux-settings"
# Every wine call has a time limit, so that a hang (a dialog nobody sees,
# a stuck wineserver) fails the check loudly instead of holding up CI. On
# the way out the prefix's wine processes end with it, and only those.
wine_limit=${BOOLEAN_LAWS_WINE_TIMEOUT:-180}
on_wine() { timeout --kill-after=10 "$wine_limit" wine "$@"; }
wine_settles() { timeout --kill-after=10 "$wine_limit" wineserver --wait; }
trap 'timeout 30 wineserver --kill 2>/dev/null || true' EXIT
timeout --kill-after=10 600 wineboot --init </dev/null
wine_settles
# Every Windows has Times New Roman, the sheets' and the window's font; wine
# has none. The serif that stands for it on Debian stands for it here, so
# that the sheets are laid out in the same letters as Linux's.
on_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null
wine_settles

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# The program's own name starts each line of standard error: the path it was
# started by, so it differs by platform.
program_named() { sed -E 's#^[^ ]*boolean-laws(\.exe)?: #boolean-laws: #'; }
# A folder named in a message is the run's own folder, written natively:
# Z:\...\windows\missing-folder on Windows, .../linux/missing-folder here.
windows_paths() { sed -e 's#\\#/#g' -e 's#Z:/#/#g' -e "s#$work/windows#$work/linux#g"; }

# One run of each build in its own folder (files written land there); input
# from the file named by BOOLEAN_LAWS_STDIN, if any.
run_both() {
  local stdin=${BOOLEAN_LAWS_STDIN:-/dev/null} status
  status=0
  (cd "$work/linux" && "$linux_program" "$@" <"$stdin" >stdout 2>stderr) || status=$?
  echo "$status" >"$work/linux/status"
  status=0
  (cd "$work/windows" && on_wine "$windows_program" "$@" <"$stdin" >stdout 2>stderr) || status=$?
  echo "$status" >"$work/windows/status"
}

same_answer() {
  local what=$1
  shift
  run_both "$@"
  local side differs=
  for side in status stdout; do
    cmp -s "$work/linux/$side" "$work/windows/$side" || differs+=" $side"
  done
  cmp -s <(program_named <"$work/linux/stderr") <(program_named <"$work/windows/stderr" | windows_paths) ||
    differs+=" stderr"
  if [ -n "$differs" ]; then
    fail "$what: the Windows program's$differs differ from Linux's"
    diff <(cat "$work/linux/status" "$work/linux/stdout") <(cat "$work/windows/status" "$work/windows/stdout") |
      head -20 >&2 || true
  else
    pass "$what"
  fi
}

# Inputs of --check: a derivation as the window saves it, the same with
# Windows line ends (as Notepad writes it), and one with a wrong step.
printf '%s\n' 'A v A ^ B' '= A ^ 1 v A ^ B  [Неутрален елемент]' '= A ^ (1 v B)  [Дистрибутивен закон]' \
  '= A ^ 1  [Поглъщане на константа]' '= A  [Неутрален елемент]' >"$work/chain.txt"
sed 's/$/\r/' "$work/chain.txt" >"$work/chain-crlf.txt"
printf '%s\n' '# грешна стъпка' '!(A ^ B)' '= !A ^ !B' >"$work/wrong-chain.txt"
# Inputs of --grade: an assignment and a class's answers, one with Windows
# line ends (as Notepad saves it), one for another assignment.
printf '%s\n' 'задание: Упражнение 3' 'докажи: A v (A ^ B) = A' 'таблица: A Xor B' \
  'закон: !(A ^ B) => !A v !B' >"$work/задание.txt"
assignment_sha=$(sha256sum "$work/задание.txt" | cut -c1-64)
printf '%s\n' 'отговори: Упражнение 3' "задание: $assignment_sha" 'ученик: Иван Петров, "Ванката"' '' \
  'задача 1' 'подсказки: 1' 'A v (A ^ B)' 'A  [Закон за поглъщане]' '' 'задача 2' '0 1 1 0' >"$work/ivan.txt"
printf '%s\n' 'отговори: Упражнение 3' "задание: $assignment_sha" 'ученик: Мария' '' \
  'задача 1' 'A v (A ^ B)' 'A ^ B' '' 'задача 3' 'De Morgan'"'"'s law' | sed 's/$/\r/' >"$work/maria.txt"
printf '%s\n' 'отговори: Упражнение 3' "задание: $(printf '0%.0s' $(seq 64))" 'ученик: Петър' >"$work/other.txt"
for file in chain.txt chain-crlf.txt wrong-chain.txt задание.txt ivan.txt maria.txt other.txt; do
  cp "$work/$file" "$work/linux/"
  cp "$work/$file" "$work/windows/"
done

same_answer "--version" --version
for law in $(seq 1 21); do
  same_answer "--proof $law" --proof "$law"
done
same_answer "--proof 7 --values 101" --proof 7 --values 101
same_answer "--proof 3 in English" --proof 3 --language en
same_answer "--derive 7" --derive 7
same_answer "--derive of formulas that differ" --derive "A v B = A ^ B"
same_answer "--simplify" --simplify "A ^ B v A ^ !B v !A ^ B"
same_answer "--check of a chain file" --check chain.txt
same_answer "--check of a chain file with Windows line ends" --check chain-crlf.txt
same_answer "--check of a wrong step" --check wrong-chain.txt
BOOLEAN_LAWS_STDIN="$work/chain.txt" same_answer "--check of standard input" --check -
same_answer "--kmap" --kmap "A ^ B v C ^ D"
same_answer "--kmap of two sides" --kmap "!(A v B) = !A ^ !B"
same_answer "refusal of a law number" --proof 22
same_answer "refusal of an unknown language" --proof 1 --language de
same_answer "refusal of an unread formula" --kmap "A ^"
same_answer "a sheet that cannot be written" --sheet all --output missing-folder/laws.pdf

# --help: the same text, but for the usage line, which names the program as
# it was started (a Windows path there).
usage_named() { sed -E '1s#[^ ]*boolean-laws(\.exe)?#boolean-laws#'; }
run_both --help
if [ "$(cat "$work/windows/status")" = 0 ] &&
  cmp -s <(usage_named <"$work/linux/stdout") <(usage_named <"$work/windows/stdout"); then
  pass "--help"
else
  fail "--help answers otherwise than on Linux"
  diff <(usage_named <"$work/linux/stdout") <(usage_named <"$work/windows/stdout") | head >&2 || true
fi

# A sheet written as a PDF by both: its letters are text in embedded fonts,
# not boxes or outlines, and read the same as Linux's.
same_pdf() {
  local what=$1 file=$2 fonts
  shift 2
  run_both "$@" --output "$file"
  fonts=$(pdffonts "$work/windows/$file" 2>/dev/null | sed 1,2d)
  if [ "$(cat "$work/windows/status")" != 0 ] || ! pdfinfo "$work/windows/$file" >/dev/null 2>&1; then
    fail "$what: the Windows program wrote no readable PDF"
  elif [ -z "$fonts" ] || echo "$fonts" | grep -qv ' yes '; then
    fail "$what: the Windows PDF's fonts are missing or not embedded"
    echo "$fonts" >&2
  elif cmp -s <(pdftotext "$work/linux/$file" -) <(pdftotext "$work/windows/$file" -); then
    pass "$what: the PDF's text, in embedded fonts"
  else
    fail "$what: the Windows PDF's text differs from Linux's"
    diff <(pdftotext "$work/linux/$file" -) <(pdftotext "$work/windows/$file" -) | head >&2 || true
  fi
}

same_pdf "--sheet all" laws.pdf --sheet all
same_pdf "--sheet of an assignment, with its key" ключ.pdf --sheet задание.txt --key

same_answer "--grade of a class" --grade задание.txt ivan.txt maria.txt other.txt --output оценки.csv
if cmp -s "$work/linux/оценки.csv" "$work/windows/оценки.csv"; then
  pass "--grade: the CSV"
else
  fail "--grade: the Windows CSV differs from Linux's"
fi

# A Cyrillic file name, which the ANSI code page of a western Windows cannot
# spell: the HTML sheet lands under the name typed, the same as on Linux.
run_both --sheet 3 --output "закон-3.html"
if [ "$(cat "$work/windows/status")" = 0 ] && cmp -s "$work/linux/закон-3.html" "$work/windows/закон-3.html"; then
  pass "--sheet 3 into a file of a Cyrillic name"
else
  fail "--sheet 3 did not write закон-3.html as on Linux"
fi

# The window: its X window's name and size. Neither platform has a window
# manager here, so the X window is the client area itself.
title="https://boolean-laws.example  Теореми и тъждества в булевата алгебра"
window_size() {
  local attempt
  for attempt in $(seq 1 120); do
    xwininfo -root -tree | grep -F "\"$title\":" | grep -m1 -oE '[0-9]+x[0-9]+\+' | tr -d + && return 0
    sleep 0.5
  done
  return 1
}
"$linux_program" &
linux_window=$!
linux_size=$(window_size) || linux_size=none
kill "$linux_window"
wait "$linux_window" 2>/dev/null || true
on_wine "$windows_program" </dev/null &
windows_window=$!
windows_size=$(window_size) || windows_size=none
timeout 30 wineserver --kill || true
wait "$windows_window" 2>/dev/null || true
if [ "$linux_size" != none ] && [ "$windows_size" = "$linux_size" ]; then
  pass "the window: titled as on Linux, client area $windows_size"
else
  fail "the window: titled and sized $windows_size on Windows, $linux_size on Linux"
fi

# The installer, silent, then the installed program, then the uninstaller.
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Boolean Laws"
start_menu_entry="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Булеви закони.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\BooleanLaws'
on_wine "$out/boolean-laws-$version-setup.exe" /S </dev/null || fail "installer: exit status $?"
wine_settles
[ -f "$start_menu_entry" ] && pass "installer: the Start-menu entry" || fail "installer: no Start-menu entry"
# The registry file writes Cyrillic as \xHHH escapes.
listed_name=$(sed -n '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\BooleanLaws\]/,/^$/p' \
  "$WINEPREFIX/system.reg" | sed -n 's/^"DisplayName"="\(.*\)"$/\1/p' | sed 's/\\x\([0-9a-f]\{3\}\)/\\u0\1/g')
if [ "$(printf '%b' "$listed_name")" = "Булеви закони" ] &&
  on_wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1; then
  pass "installer: listed among the installed programs as Булеви закони"
else
  fail "installer: not listed among the installed programs (name: $listed_name)"
fi
if [ "$(on_wine "$installed/boolean-laws.exe" --version </dev/null)" = "$("$linux_program" --version)" ]; then
  pass "the installed program answers --version"
else
  fail "the installed program does not answer --version"
fi
on_wine "$installed/uninstall.exe" /S </dev/null || fail "uninstaller: exit status $?"
wine_settles # the uninstaller finishes from a copy of itself
if [ ! -e "$installed" ] && [ ! -e "$start_menu_entry" ] && ! on_wine reg query "$uninstall_key" </dev/null >/dev/null 2>&1; then
  pass "the uninstaller removes the program, its entry and its listing"
else
  fail "the uninstaller left the program, its Start-menu entry or its listing behind"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures Windows check(s) failed" >&2
  exit 1
fi
echo "All Windows checks passed."
