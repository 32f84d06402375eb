#!/bin/sh
# Installs the build into a temporary prefix, starts the installed program
# with --check-install (it builds its frame, says where it looked for its
# help files and samples, and exits by itself), and checks that it found them
# in the prefix's share folder and that the desktop entry and icons are in
# place.
#
# usage: installed_program_starts.sh <cmake> <build folder>
set -eu
cmake=$1
build=$2

work=$(mktemp -d)
work=$(cd "$work" && pwd -P) # the program names its folders without links
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    fail "cmake --install did not finish"
}

for file in bin/fiscalia \
    share/fiscalia/fscuse35.hlp share/fiscalia/fscdat35.grs \
    share/fiscalia/DtaSampl.KVS share/fiscalia/NetSampl.KVW share/fiscalia/MortSampl.umd share/fiscalia/LoanSampl.uld \
    share/applications/fiscalia.desktop \
    share/icons/hicolor/scalable/apps/fiscalia.svg \
    share/icons/hicolor/16x16/apps/fiscalia.png share/icons/hicolor/32x32/apps/fiscalia.png \
    share/icons/hicolor/48x48/apps/fiscalia.png share/icons/hicolor/64x64/apps/fiscalia.png \
    share/icons/hicolor/128x128/apps/fiscalia.png share/icons/hicolor/256x256/apps/fiscalia.png; do
    [ -f "$prefix/$file" ] || fail "$file was not installed"
done
[ -x "$prefix/bin/fiscalia" ] || fail "bin/fiscalia cannot be run"
grep -qx 'Exec=fiscalia' "$prefix/share/applications/fiscalia.desktop" || fail "the desktop entry does not start fiscalia"
grep -qx 'Icon=fiscalia' "$prefix/share/applications/fiscalia.desktop" || fail "the desktop entry names no icon"

# A user of its own: the settings must go to this configuration folder and
# nowhere near the installed files.
mkdir -m 700 "$work/runtime"
status=0
env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    "$prefix/bin/fiscalia" --check-install >"$work/check.log" 2>&1 || status=$?
cat "$work/check.log"
[ "$status" -eq 0 ] || fail "the installed program's check exited with $status"
for name in fscuse35.hlp fscdat35.grs DtaSampl.KVS NetSampl.KVW MortSampl.umd LoanSampl.uld; do
    grep -qxF "found:          $prefix/share/fiscalia/$name" "$work/check.log" \
        || fail "the installed program did not find $name in $prefix/share/fiscalia"
done
grep -qxF "settings file:  $work/config/Fiscalia/Fiscalia/Personal.fsc" "$work/check.log" \
    || fail "the installed program keeps its settings elsewhere than the configuration folder"
echo "PASS: the installed program found its help files and samples in $prefix/share/fiscalia"
