#!/bin/sh
# make_locales.sh DIR LOCALE...: compiles the locales into DIR, for LOCPATH. localedef exits 1
# over warnings about its source data even when the locale is complete: LC_CTYPE is what counts.
dir=$1
shift
mkdir -p "$dir" || exit 1
for locale in "$@"; do
  localedef -i "${locale%%.*}" -f "${locale#*.}" "$dir/$locale" 2>/dev/null
  [ -e "$dir/$locale/LC_CTYPE" ] || { echo "cannot compile locale $locale" >&2; exit 1; }
done
