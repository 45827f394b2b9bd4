#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows (64-bit) program from these sources on Debian 12 and
# writes into build-windows/:
#   boolean-laws-VERSION-windows-x64.zip  the program's folder, ready to copy
#   boolean-laws-VERSION-setup.exe        its installer
# Uses Debian's packages only: MinGW-w64, NSIS, and Qt built from Debian's own
# qt6-base source package. That Qt is built once per machine (about 20
# minutes on two cores) into ${XDG_CACHE_HOME:-~/.cache}/boolean-laws/,
# named by the package's version and the configure line, and reused after.
# Run as root or with sudo (for the packages); safe to run again.
#   BOOLEAN_LAWS_JOBS     parallel compile jobs (default: the number of cores)
#   BOOLEAN_LAWS_WERROR   ON turns the program's warnings into errors
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-windows"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/boolean-laws"
jobs=${BOOLEAN_LAWS_JOBS:-$(nproc)}
triplet=x86_64-w64-mingw32
toolchain="$root/cmake/mingw-w64-x86_64.cmake"

# Debian's qt6-base-dev-tools (moc, rcc, uic) serve the Windows Qt and the
# program as host tools, so they must be of the very version built below;
# qt6-l10n-tools' lrelease compiles the program's translations, and
# qt6-translations-l10n has Qt's own Bulgarian texts.
"$root/scripts/install-missing.sh" cmake ninja-build perl dpkg-dev xz-utils patch zip \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis \
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n

qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)

# What the program needs of qtbase (Core, Gui, Widgets, PrintSupport,
# Concurrent, the Windows platform plug-in and styles, the image formats),
# with every third-party library from Qt's bundled copy: there are no Windows
# builds of Debian's. The source package leaves out wintab.h, hence no tablet
# events. DirectWrite (the direct2d feature) stays: PrintSupport needs it.
qt_configure=(
  -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF
  -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF
  -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF -DINPUT_libmd4c=qt
)
# The key names what was built: the package's version and revision, the
# configure line, the toolchain and the patches below (no path of this
# checkout, so that every checkout on the machine shares the one build).
qt_patches=("$root"/packaging/windows/qt-*.patch)
qt_key=$( (printf '%s\n' "$qt_version" "${qt_configure[@]}"; cat "$toolchain" "${qt_patches[@]}") | sha256sum | cut -c1-12)
qt_prefix="$cache/qt-$qt_version-windows-x64-$qt_key"

# apt-get source with a deb-src entry of its own: the machine's entries, as
# sources, in a private list, cache and state that are removed again; the
# system's apt configuration, lists and cache are never changed.
fetch_qt_source() (
  into=$1
  apt_dir=$(mktemp -d)
  trap 'rm -rf "$apt_dir"' EXIT
  mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$apt_dir/parts/debian-source.sources"
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt_dir/parts/debian-source.list"
  fi
  apt_options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o "APT::Sandbox::User=$(id -un)")
  apt-get "${apt_options[@]}" -qq update
  cd "$into"
  apt-get "${apt_options[@]}" -qq source "qt6-base=$qt_version"
)

build_qt() {
  local work="$cache/work-$qt_key"
  echo "Building Qt $qt_version for Windows into $qt_prefix (once per machine)"
  rm -rf "$work" "$qt_prefix"
  mkdir -p "$work"
  fetch_qt_source "$work"
  local source
  source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
  # Debian's source with its own patches applied, and ours for what the
  # Windows build alone needs (packaging/windows/qt-*.patch).
  local patch
  for patch in "${qt_patches[@]}"; do
    patch --quiet --directory="$source" --strip=1 <"$patch"
  done
  cmake -S "$source" -B "$work/build" "${qt_configure[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$qt_prefix" >"$work/configure.log" ||
    { tail -40 "$work/configure.log"; return 1; }
  cmake --build "$work/build" --parallel "$jobs"
  cmake --install "$work/build" >/dev/null
  # Written last: a prefix without it is a build that was cut short.
  printf '%s\n' "$qt_version" "${qt_configure[@]}" >"$qt_prefix/boolean-laws-configure-line"
  rm -rf "$work"
}

[ -f "$qt_prefix/boolean-laws-configure-line" ] || build_qt

# The program, with the toolchain file and the Windows Qt found through it;
# the host's moc, rcc and lrelease do their work on the way.
cmake -S "$root" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_FIND_ROOT_PATH="$qt_prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_TESTING=OFF -DBOOLEAN_LAWS_WERROR="${BOOLEAN_LAWS_WERROR:-OFF}" >/dev/null
cmake --build "$out/build" --parallel "$jobs"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/build/CMakeCache.txt")
name="boolean-laws-$version-windows-x64"
folder="$out/$name"

# The folder: the program, the plug-ins Qt loads by name, the DLLs that all
# of them import (followed until nothing new is named), Qt's Bulgarian texts.
rm -rf "$folder"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/imageformats" "$folder/translations"
# Qt's Windows build puts executables at the top of the build folder.
program=$(find "$out/build" -name boolean-laws.exe -not -path '*/CMakeFiles/*' | head -n 1)
[ -n "$program" ] || { echo "build-windows.sh: boolean-laws.exe was not built" >&2; exit 1; }
cp "$program" "$folder/"
for kind in platforms styles imageformats; do
  cp "$qt_prefix/plugins/$kind"/*.dll "$folder/$kind/"
done
cp /usr/share/qt6/translations/qtbase_bg.qm "$folder/translations/"

dll_folders=("$qt_prefix/bin" "/usr/lib/gcc/$triplet/$("$triplet-gcc-posix" -dumpversion)" "/usr/$triplet/lib")
find_dll() {
  local folder
  for folder in "${dll_folders[@]}"; do
    [ -f "$folder/$1" ] && { echo "$folder/$1"; return; }
  done
  # Not built here: one of Windows' own, unless its name says otherwise.
  case "$1" in
    Qt6* | lib*) echo "$1 is imported but was not built" >&2; exit 1 ;;
  esac
}
mapfile -t waiting < <(find "$folder" -name '*.exe' -o -name '*.dll')
while [ ${#waiting[@]} -gt 0 ]; do
  binary=${waiting[0]}
  waiting=("${waiting[@]:1}")
  while read -r dll; do
    [ -e "$folder/$dll" ] && continue
    found=$(find_dll "$dll")
    [ -n "$found" ] || continue
    cp "$found" "$folder/"
    waiting+=("$folder/$dll")
  done < <("$triplet-objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec "$triplet-strip" --strip-unneeded {} +

# A zip that is the same for the same files: one date, a fixed order.
find "$folder" -exec touch -h -d @"$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)" {} +
rm -f "$out/$name.zip"
(cd "$out" && find "$name" | LC_ALL=C sort | zip -q -X -D "$name.zip" -@)

# The installer, which installs exactly the folder's files and uninstalls
# exactly those.
lists="$out/installer-lists"
rm -rf "$lists"
mkdir -p "$lists"
(
  cd "$folder"
  find . -type d | LC_ALL=C sort | sed 's|^\.||; s|/|\\|g' | while read -r dir; do
    echo "SetOutPath \"\$INSTDIR$dir\""
    find ".${dir//\\//}" -maxdepth 1 -type f | LC_ALL=C sort | while read -r file; do
      echo "File \"$folder/${file#./}\""
    done
  done >"$lists/install.nsh"
  find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|' >"$lists/uninstall.nsh"
  find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|' >>"$lists/uninstall.nsh"
)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILES="$lists" \
  -DOUTFILE="$out/boolean-laws-$version-setup.exe" -DICON="$root/app/icons/boolean-laws.ico" \
  -DLICENSE="$root/LICENSE" -DSIZE_KB="$(du -sk "$folder" | cut -f1)" "$root/packaging/windows/boolean-laws.nsi"

echo "Written: $out/$name.zip"
echo "         $out/boolean-laws-$version-setup.exe"
