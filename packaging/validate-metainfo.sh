#!/bin/sh
# Validates the AppStream metainfo file strictly (infos and warnings fail) with the validator at
# hand, allowing two things, each as narrowly as it can be said:
# - the project has no public home page, so the note that its URL is missing is lowered to a
#   pedantic remark (validators from AppStream 1.0 on make that note);
# - validators before AppStream 1.0 (Debian 12's 0.16) do not know <developer>, which replaced
#   <developer_name>: there its one unknown-tag note is accepted, and nothing else.
# Usage: validate-metainfo.sh APPSTREAMCLI validate FILE
#        validate-metainfo.sh APPSTREAMCLI validate-tree PREFIX   (with the desktop entry)
set -u
appstreamcli=$1 command=$2 file=$3
# Its version and findings read the same in every language.
export LC_ALL=C.UTF-8 LANGUAGE=
version=$("$appstreamcli" --version | sed -n 's/^AppStream version: *//p')
case $version in
  0.*)
    status=0
    out=$("$appstreamcli" "$command" --no-net --strict "$file" 2>&1) || status=$?
    printf '%s\n' "$out"
    findings=$(printf '%s\n' "$out" | grep -E '^ *[EWI]: ')
    others=$(printf '%s\n' "$findings" | grep -v ':[0-9]*: unknown-tag developer$')
    # Status 3: a validation with findings; any other failure is the validator's own.
    [ "$status" -eq 0 ] || { [ "$status" -eq 3 ] && [ -n "$findings" ] && [ -z "$others" ]; }
    ;;
  *)
    exec "$appstreamcli" "$command" --no-net --strict --override=url-homepage-missing=pedantic "$file"
    ;;
esac
