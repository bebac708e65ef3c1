#!/bin/bash
# The package as a user gets it: built by CPack, unpacked with dpkg-deb into a scratch root
# (nothing goes into this machine's /usr), run there and again once the tree has moved.
build=$1 version=$2 model=$3
out=$(realpath "$(mktemp -d)")
trap 'rm -rf "$out"' EXIT
failures=0
check() {  # check NAME CONDITION...
    "${@:2}" || { echo "FAIL $1"; failures=$((failures + 1)); }
}

start=$SECONDS
cpack --config "$build/CPackConfig.cmake" -B "$out/cpack" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(echo "$out"/cpack/*.deb)
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, built in $((SECONDS - start)) s"
check "Qt's platform plugins a dependency" grep qt6-qpa-plugins <(dpkg-deb -f "$deb" Depends)
dpkg-deb -x "$deb" "$out/root"
check "fd9 and fd9-cli alone in bin" test "$(ls "$out/root/usr/bin" | xargs)" = "fd9 fd9-cli"
share=$out/root/usr/share
check "seven data files, help, notes" test "$(ls "$share/fd9" | xargs)" = "FD9.html aqslab.con \
dacslab.con denbeam.con denslab.con fd9-data-notes.md pumslab.con realbm.con realslab.con"
check "icons, manual pages, file type" test -s "$share/icons/hicolor/48x48/apps/fd9.png" -a \
    -s "$share/icons/hicolor/256x256/apps/fd9.png" -a -s "$share/icons/hicolor/scalable/apps/fd9.svg" \
    -a -s "$share/man/man1/fd9.1.gz" -a -s "$share/man/man1/fd9-cli.1.gz" -a -s "$share/mime/packages/fd9.xml"
check "desktop entry" desktop-file-validate "$share/applications/fd9.desktop"
check "metainfo" appstreamcli validate --no-net "$share/metainfo/org.example.fd9.metainfo.xml"

date=(--date 6-December-2026)
"$build/bin/fd9-cli" "${date[@]}" "$model" >"$out/expected.txt" 2>/dev/null
data=$("$build/bin/fd9-cli" --version | sed -n '2s/ in .*//p')
runFrom() {  # runFrom ROOT
    local usr=$1/usr
    "$usr/bin/fd9-cli" "${date[@]}" "$model" >"$out/report.txt" 2>/dev/null
    check "$1: the build's report byte for byte" cmp "$out/report.txt" "$out/expected.txt"
    for program in fd9 fd9-cli; do
        check "$1: $program --version" test "$(QT_QPA_PLATFORM=offscreen "$usr/bin/$program" \
            --version 2>&1)" = "$program $version"$'\n'"$data in \"$usr/share/fd9\""
    done
    # Past the start-up pause it waits on the disclaimer; tst_desktop shows what opens next.
    QT_QPA_PLATFORM=offscreen "$usr/bin/fd9" "$model" >/dev/null 2>&1 &
    sleep 4
    check "$1: fd9 with a model runs" kill $!
    wait $! 2>/dev/null
}
runFrom "$out/root"
mv "$out/root" "$out/moved"
runFrom "$out/moved"

# What a file manager asks, from the caches that the desktop's packages build on install: a
# model's type, known by its first line, and the program that opens it.
share=$out/moved/usr/share
update-mime-database "$share/mime" 2>/dev/null && update-desktop-database "$share/applications"
printf '1000,150\r\n' >"$out/levels.dat"
desktop=(env XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME="$out" XDG_CONFIG_HOME="$out"
    PATH="$out/moved/usr/bin:$PATH")
check "a model's type" grep -q "type: application/x-fd9-model" \
    <("${desktop[@]}" gio info -a standard::content-type "$model")
check "another .dat's type" grep -q "type: text/plain" \
    <("${desktop[@]}" gio info -a standard::content-type "$out/levels.dat")
check "FD9 opens models" grep -q "Default application .*: fd9.desktop" \
    <("${desktop[@]}" gio mime application/x-fd9-model)

mkdir "$out/bare" && cp "$out/moved/usr/bin/fd9-cli" "$out/bare"
check "no data: every place named" grep -q "not found in the folders \"$out/bare\", \
\"$out/share/fd9\" and " <("$out/bare/fd9-cli" "$model" 2>&1)

# dpkg's own install and removal, in a scratch root: nothing of the package may stay.
mkdir -p "$out/dpkg/var/lib/dpkg/info" "$out/dpkg/var/lib/dpkg/updates"
touch "$out/dpkg/var/lib/dpkg/status"
dpkg=(dpkg --root="$out/dpkg" --force-not-root --force-script-chrootless --force-depends)
"${dpkg[@]}" --install "$deb" >/dev/null 2>&1
check "dpkg installs it" test -x "$out/dpkg/usr/bin/fd9"
"${dpkg[@]}" --purge fd9 >/dev/null 2>&1
check "removal leaves nothing" test -z "$(find "$out/dpkg" -mindepth 1 -not -path "$out/dpkg/var*")"

echo "$failures failures, $((SECONDS - start)) s"
[ "$failures" = 0 ]
