#!/bin/sh
# make_locales.sh DIR LOCALE...: compiles the locales into DIR (the tests point LOCPATH there), so
# none has to be installed system-wide. localedef exits 1 over warnings about its source data
# although the locale is complete; whether LC_CTYPE is there is what counts.
dir=$1
shift
mkdir -p "$dir" || exit 1
for locale in "$@"; do
  localedef -i "${locale%%.*}" -f "${locale#*.}" "$dir/$locale" 2>/dev/null
  [ -e "$dir/$locale/LC_CTYPE" ] || { echo "cannot compile locale $locale" >&2; exit 1; }
done
