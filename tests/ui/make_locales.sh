#!/bin/sh
# Compiles the locales the layout is checked under into the build tree (the tests point LOCPATH
# there), so that no locale has to be installed system-wide. Needs Debian's package locales.
set -eu
dir=$1
shift
mkdir -p "$dir"
for locale in "$@"; do
  [ -e "$dir/$locale/LC_CTYPE" ] && continue
  # localedef warns about details of the source data and then exits 1 although the locale is
  # complete; the check below is what counts.
  localedef -i "${locale%%.*}" -f "${locale#*.}" "$dir/$locale" 2>/dev/null || true
  [ -e "$dir/$locale/LC_CTYPE" ] || { echo "cannot compile locale $locale" >&2; exit 1; }
done
