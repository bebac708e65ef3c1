#!/bin/bash
# fd9-cli on a few models: reports, boxes on standard error and exit codes.
cli=$1
data=$2
models=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0

expect() {  # expect NAME WANTED-STATUS ARGS...
    local name=$1 wanted=$2
    shift 2
    timeout 20 "$cli" "$@" >"$out/stdout" 2>"$out/stderr"
    local got=$?
    if [ "$got" != "$wanted" ]; then
        echo "FAIL $name: exit $got, wanted $wanted"
        cat "$out/stderr"
        failures=$((failures + 1))
    fi
}
check() {  # check NAME CONDITION...
    local name=$1
    shift
    if ! "$@"; then
        echo "FAIL $name"
        failures=$((failures + 1))
    fi
}

date=(--date 6-December-2026 --data-dir "$data")

expect "one slab" 0 "${date[@]}" "$models/slab.dat"
check "report on stdout" grep -q $'^Date is 6-December-2026\r$' "$out/stdout"
check "report ends with the verdict" grep -q $'^STABILITY OF  30 MINUTES HAS NOT BEEN ACHIEVED\r$' "$out/stdout"
check "verdict box on stderr" grep -q '^BOX: STABILITY OF  30 MINUTES HAS NOT BEEN ACHIEVED' "$out/stderr"
check "one line per box" test "$(grep -c '^BOX: ' "$out/stderr")" = "$(wc -l <"$out/stderr")"
cp "$out/stdout" "$out/slab-stdout.txt"

mkdir "$out/dir"
expect "output folder" 0 "${date[@]}" --output-dir "$out/dir" "$models/slab.dat"
check "one report per model" cmp -s "$out/dir/slab.txt" "$out/slab-stdout.txt"
check "nothing on stdout" test ! -s "$out/stdout"

expect "output file" 1 "${date[@]}" --output "$out/all.txt" "$models/slab.dat" "$models/nobars.dat" "$models/slab.dat"
check "two reports in one file" test "$(grep -c '^Date is' "$out/all.txt")" = 2
check "no report without bars" grep -q 'nobars.dat: no report' "$out/stderr"

# A simply supported double-tee whose file holds NAN for a result of its top bars, which no run
# of it computes: the report shows none of them.
expect "stale negative results" 0 "${date[@]}" "$models/report-nan.dat"
check "no NAN in the report" test "$(grep -c NAN "$out/stdout")" = 0
check "top bars not calculated" grep -q $'^Results are not calculated for a simply-supported member.\r$' "$out/stdout"

expect "data files missing" 1 --date 6-December-2026 --data-dir "$out/none" "$models/slab.dat"
check "stop box" grep -q '^BOX: .*no verdict' "$out/stderr"
check "no report of a stopped run" test ! -s "$out/stdout"

expect "31 bars" 2 "${date[@]}" "$models/count31.dat" "$models/slab.dat"
check "count named" grep -q 'count31.dat: it gives 31 bars' "$out/stderr"
check "the readable model still reported" grep -q '^Date is' "$out/stdout"
expect "short file" 2 "${date[@]}" "$models/short.dat"
expect "missing file" 2 "${date[@]}" "$out/absent.dat"
# Only regular files of a model's size are read; none of these may abort or hang.
mkdir "$out/folder.dat"
expect "folder" 2 "${date[@]}" "$out/folder.dat"
check "folder named" grep -q 'folder.dat: cannot be read: not a regular file' "$out/stderr"
expect "device" 2 "${date[@]}" /dev/zero
check "device named" grep -q 'not a regular file' "$out/stderr"
mkfifo "$out/pipe.dat"
expect "pipe" 2 "${date[@]}" "$out/pipe.dat"
truncate -s 1048577 "$out/huge.dat"
expect "huge file" 2 "${date[@]}" "$out/huge.dat" "$models/slab.dat"
check "size named" grep -q 'huge.dat: cannot be read: larger than 1 MiB' "$out/stderr"
check "the next model still reported" grep -q '^Date is' "$out/stdout"
expect "bad exposure" 2 --exposure D "$models/slab.dat"
expect "bad date" 2 --date 31-February-2026 "$models/slab.dat"
expect "no model" 2 "${date[@]}"
expect "both outputs" 2 "${date[@]}" --output a --output-dir "$out" "$models/slab.dat"
expect "data beside the program" 0 --date 6-December-2026 "$models/slab.dat"
check "shipped data give a report" grep -q '^Date is' "$out/stdout"
expect "exposure C" 0 "${date[@]}" --exposure C "$models/slab.dat"

explore=(--explore --data-dir "$data")
# The test tables hold only some fires: the others stop, each with its reason in its row.
expect "explore as CSV" 1 "${explore[@]}" "$models/slab.dat" "$models/slab.dat"
check "one header, 21 rows a model" test "$(wc -l <"$out/stdout")" = 43
check "header first" grep -q '^model,fire,rating_min,' <(head -1 "$out/stdout")
check "every row has the header's columns" \
    test "$(awk -F, '{ print NF }' "$out/stdout" | sort -u | wc -l)" = 1
check "the report's verdict at 30 minutes" grep -q ',standard,30,.*,NOT ACHIEVED$' "$out/stdout"
check "a stopped fire says why" grep -q ',standard,90,.*"STOPPED: No temperature' "$out/stdout"
expect "explore as JSON" 1 "${explore[@]}" --format json "$models/slab.dat"
check "a JSON array" grep -q '^\[$' <(head -1 "$out/stdout")
check "21 fires in it" test "$(grep -c '"fire": ' "$out/stdout")" = 21
expect "explore without data" 1 --explore --data-dir "$out/none" "$models/slab.dat"
check "stopped rows give the reason" grep -q 'STOPPED: The temperature data file' "$out/stdout"
expect "explore unreadable" 2 "${explore[@]}" "$models/short.dat"
expect "format without explore" 2 --format csv "$models/slab.dat"
expect "bad format" 2 --explore --format xml "$models/slab.dat"

# The calculation record: the same bytes apart from its date, whatever the screen's scale.
shown() { pdftotext "$1" - | grep -q "$2"; }
undated() { grep -av CreationDate "$1"; }
record=(--date 6-December-2026 --data-dir "$data")
expect "record" 0 "${record[@]}" --record "$out/r1.pdf" "$models/slab.dat"
QT_SCALE_FACTOR=1.5 expect "record enlarged" 0 "${record[@]}" --record "$out/r2.pdf" "$models/slab.dat"
check "the same record" cmp -s <(undated "$out/r1.pdf") <(undated "$out/r2.pdf")
mkdir "$out/records"
cp "$models/slab.dat" "$out/beam.dat"
printf 'project = Harbour car park\njob = 2026-114\n' >"$out/beam.dat.details"
expect "record folder" 1 "${record[@]}" --paper letter --record-dir "$out/records" "$out/beam.dat" "$models/nobars.dat"
check "named after the model" shown "$out/records/beam.pdf" "6-December-2026"
check "the model's own details" shown "$out/records/beam.pdf" "Harbour car park"
check "letter paper" grep -q 'letter' <(pdfinfo "$out/records/beam.pdf")
check "a run that stopped still has its record" shown "$out/records/nobars.pdf" "THE CALCULATION STOPPED"
printf 'projekt = x\n' >"$out/bad.details"
expect "bad details" 2 "${record[@]}" --details "$out/bad.details" --record "$out/r3.pdf" "$models/slab.dat"
check "the faulty line named" grep -q 'bad.details: line 1: unknown key "projekt"' "$out/stderr"
expect "unwritable record" 2 "${record[@]}" --record "$out/none/r.pdf" "$models/slab.dat"
check "refusal named" grep -q 'could not be written to' "$out/stderr"
expect "record of two models" 2 "${record[@]}" --record "$out/r4.pdf" "$models/slab.dat" "$out/beam.dat"

[ "$failures" = 0 ] && echo "all fd9-cli checks passed"
exit "$failures"
