#!/bin/bash
# Every program answers --help with its usage, and refuses an unknown option with it before doing
# anything else: nothing is written where it runs.
# usage: usage_test.sh PROGRAM...
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
status=0
for program in "$@"; do
    name=$(basename "$program")
    out=$("$program" --help 2>&1)
    rc=$?
    if [ $rc -ne 0 ] || ! grep -qi '^usage' <<<"$out"; then
        echo "$name --help: exit $rc, no usage"; status=1
    fi
    err=$("$program" --no-such-option 2>&1 >/dev/null)
    rc=$?
    if [ $rc -eq 0 ] || ! grep -qi '^usage' <<<"$err"; then
        echo "$name --no-such-option: exit $rc, no usage on standard error"; status=1
    fi
done
if [ -n "$(ls -A)" ]; then
    echo "left behind: $(ls -A)"; status=1
fi
exit $status
