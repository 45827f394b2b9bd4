#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the locales the window tests run in into a folder of the build
# (the tests point LOCPATH at it), so that the system's own locales stay as
# they are. Needs the locale sources of Debian's `locales` package.
#   generate_locales.sh FOLDER LOCALE...   e.g. bg_BG.UTF-8
set -eu
folder=$1
shift
mkdir -p "$folder"
for locale in "$@"; do
  if [ -f "$folder/$locale/LC_CTYPE" ]; then
    continue
  fi
  source=${locale%%.*}
  charmap=${locale#*.}
  if [ ! -f "/usr/share/i18n/locales/$source" ]; then
    echo "no locale source for $source: install the locales package" >&2
    exit 1
  fi
  localedef -i "$source" -f "$charmap" "$folder/$locale"
done
