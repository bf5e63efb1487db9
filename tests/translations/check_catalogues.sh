#!/bin/sh
# check_catalogues.sh LUPDATE SOURCE_DIR: each catalogue in translations/ translates every text
# the sources mark for translation, and only those. lupdate, run over the sources into a copy of
# each, marks a text it has no translation for unfinished and one the sources no longer have
# vanished or obsolete. Each translation also keeps its source's placeholders (%1, %2 ...).
set -u
lupdate=$1 src=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
set -- "$src"/translations/program_*.ts
[ -e "$1" ] || { echo "no catalogues in $src/translations"; exit 1; }
for catalogue in "$@"; do
  name=$(basename "$catalogue")
  cp "$catalogue" "$tmp/$name"
  if ! "$lupdate" -locations none "$src/components" "$src/ui" "$src/app" -ts "$tmp/$name" \
    >"$tmp/log" 2>&1; then
    echo "$name: lupdate failed:" && cat "$tmp/log"
    failed=1
    continue
  fi
  if grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$tmp/$name"; then
    echo "FAIL: $name has texts untranslated or no longer used (above); update it with"
    echo "      cmake --build BUILD_DIR --target update_translations, then translate"
    failed=1
  fi
  perl -0777 -ne '
    my $bad = 0;
    while (m{<source>(.*?)</source>.*?<translation>(.*?)</translation>}gs) {
      my ($source, $translation) = ($1, $2);
      for (grep { index($translation, $_) < 0 } $source =~ /%\d/g) {
        print "FAIL: $ARGV: $_ missing in the translation of: $source\n";
        $bad = 1;
      }
    }
    exit $bad;' "$catalogue" || failed=1
done
[ "$failed" -eq 0 ] && echo "catalogues complete: $*"
exit "$failed"
