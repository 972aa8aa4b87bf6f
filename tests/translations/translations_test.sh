#!/bin/sh
# Every .ts file is complete and current: lupdate, run over the sources into a copy, finds no
# text the file lacks (it would add it unfinished), no text the sources no longer have (vanished
# or obsolete), nothing left unfinished, and changes nothing else.
# Usage: translations_test.sh LUPDATE TS_FILE... -- LUPDATE_ARGUMENTS...
set -eu
lupdate=$1
shift
files=
while [ "$1" != "--" ]; do
    files="$files $1"
    shift
done
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in $files; do
    copy="$tmp/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" "$@" -ts "$copy" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
    if grep -n -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
        echo "$ts: entries above are unfinished, or no longer in the sources"
        status=1
    elif ! cmp -s "$ts" "$copy"; then
        diff -u "$ts" "$copy" || true
        echo "$ts: not as lupdate writes it"
        status=1
    fi
done
exit $status
