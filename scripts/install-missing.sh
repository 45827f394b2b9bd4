#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs those of the named Debian packages that are not installed yet:
#   scripts/install-missing.sh PACKAGE...
# Runs `apt-get update` first when anything is missing; uses sudo only when
# not already root (a minimal Debian has no sudo). Does nothing otherwise.
set -euo pipefail

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
