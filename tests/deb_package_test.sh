#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb with cpack and checks what a fresh install would get:
#   deb_package_test.sh BUILD_DIR
# its file list, its dependencies, that the installed files agree with each
# other (desktop entry, metainfo, icons, binary), and that the unpacked binary
# answers --version without a display.
set -euo pipefail

build=$(realpath "$1")
id=example.boolean_laws.BooleanLaws
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  exit 1
}
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one .deb, got: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

# Files: exactly these, nothing from the tests or the developer tools.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$work/files"
{
  echo usr/bin/boolean-laws
  echo "usr/share/applications/$id.desktop"
  echo "usr/share/metainfo/$id.metainfo.xml"
  for size in 32 48 64 128 256; do
    echo "usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
  echo usr/share/doc/boolean-laws/copyright
  echo usr/share/man/man1/boolean-laws.1.gz
  echo usr/share/man/en/man1/boolean-laws.1.gz
} | sort >"$work/expected"
if ! diff -u "$work/expected" "$work/files"; then
  fail "the package's file list differs from the expected one (- expected, + packaged)"
fi

# Dependencies: the shared libraries' packages plus what is read at run time.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libc6 fonts-liberation qt6-translations-l10n; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = boolean-laws ] || fail "package name"

dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share

# Each PNG is as large as the folder it sits in says.
for size in 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || continue
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
  [ "$width x $height" = "$size x $size" ] || fail "$png is ${width}x$height"
done

# The installed copies pass the validators.
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || {
  cat "$work/appstream.log" >&2
  fail "appstreamcli validate"
}

# The pieces name each other: the entry starts the packaged binary with the
# packaged icon, and the metainfo launches that entry and provides that binary.
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = boolean-laws ] || fail "Exec=$(entry Exec)"
[ "$(entry Icon)" = "$id" ] || fail "Icon=$(entry Icon)"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"
grep -q "<binary>boolean-laws</binary>" "$metainfo" || fail "provides/binary"

# The unpacked binary runs with the system's libraries, no display needed.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/boolean-laws" --version) || fail "--version exit code"
[[ $version =~ ^boolean-laws\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed: $version"
[ "${version#boolean-laws }" = "$(dpkg-deb -f "$deb" Version)" ] || fail "--version $version, package $(dpkg-deb -f "$deb" Version)"

# The manual page is compressed and carries the package's version.
man_page=$share/man/man1/boolean-laws.1.gz
if gzip -t "$man_page" 2>/dev/null; then
  zcat "$man_page" | grep -qF ".TH BOOLEAN-LAWS 1 \"\" \"boolean-laws $(dpkg-deb -f "$deb" Version)\"" ||
    fail "manual page heading: $(zcat "$man_page" | grep '^\.TH')"
else
  fail "$man_page is not a gzip file"
fi

# A proof printed by the unpacked binary, as over ssh: no display.
proof=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/boolean-laws" --proof 20 --values 01) || fail "--proof exit code"
[ "$(sed -n 1p <<<"$proof")" = "20: функция импликация, заключение:" ] || fail "--proof printed: $proof"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all package checks passed"
