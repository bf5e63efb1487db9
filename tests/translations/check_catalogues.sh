#!/bin/sh
# check_catalogues.sh LUPDATE SOURCE_DIR: each catalogue in translations/ translates every text
# the sources mark for translation, and only those, keeping its placeholders (%1, %2 ...). lupdate,
# run over the sources into a copy, marks a text it has no translation for unfinished and one the
# sources no longer have vanished or obsolete.
set -u
lupdate=$1 src=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
set -- "$src"/translations/program_*.ts
[ -e "$1" ] || { echo "no catalogues in $src/translations"; exit 1; }
for catalogue in "$@"; do
  copy=$tmp/$(basename "$catalogue")
  cp "$catalogue" "$copy"
  "$lupdate" -locations none "$src/components" "$src/ui" "$src/app" -ts "$copy" >"$tmp/log" 2>&1 ||
    { echo "FAIL: lupdate failed on $catalogue:" && cat "$tmp/log" && failed=1 && continue; }
  grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$copy" &&
    echo "FAIL: $catalogue: texts untranslated or unused (above); update it with" \
      "cmake --build BUILD_DIR --target update_translations, then translate" && failed=1
  perl -0777 -ne 'while (m{<source>(.*?)</source>.*?<translation>(.*?)</translation>}gs) {
      my ($s, $t) = ($1, $2);
      for (grep { index($t, $_) < 0 } $s =~ /%\d/g) { print "FAIL: $ARGV: $_ missing in: $s\n"; $::bad = 1 }
    } exit($::bad // 0);' "$catalogue" || failed=1
done
[ "$failed" -eq 0 ] && echo "catalogues complete: $*"
exit "$failed"
