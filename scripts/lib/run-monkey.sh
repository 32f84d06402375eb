#!/usr/bin/env bash
# Runs the monkey driver: run-monkey.sh DRIVER SECONDS SEED [--verbose]
#
# Under a private X server (xvfb-run -a) with the xcb platform. Without
# xvfb-run, or when it cannot start a server, the run is skipped (exit 77).
# The driver is killed when it outlives its time by more than 90 s; a
# sanitizer report in its output fails the run even when the process exits 0.
set -uo pipefail
driver=$1
seconds=$2
seed=$3
shift 3
limit=$(( ${seconds%.*} + 90 ))

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log="$work/monkey.log"
# A runtime folder of its own, as a desktop session has.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL="${LC_ALL:-C.UTF-8}" LANG="${LANG:-C.UTF-8}" TZ="${TZ:-UTC}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Where leak checks run, what the X and font libraries keep is not counted.
supp="$(cd "$(dirname "$0")" && pwd)/monkey-lsan.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$supp"

screen=(-s "-screen 0 1280x1024x24 -nolisten tcp")
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "monkey: SKIPPED: xvfb-run is not installed (Debian package xvfb)"
    exit 77
fi
if ! xvfb-run -a "${screen[@]}" true >"$work/xvfb.log" 2>&1; then
    echo "monkey: SKIPPED: xvfb-run could not start an X server:"
    cat "$work/xvfb.log"
    exit 77
fi
echo "monkey: seed $seed, $seconds s under a private X server"
QT_QPA_PLATFORM=xcb xvfb-run -a "${screen[@]}" \
    timeout -k 10 "$limit" "$driver" "$seconds" "$seed" "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}

if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "monkey: FAILED with seed $seed: the driver did not end within $limit s"
elif grep -qE "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:" "$log"; then
    echo "monkey: FAILED with seed $seed: sanitizer report"
    [ "$status" -ne 0 ] || status=1
elif [ "$status" -ne 0 ]; then
    echo "monkey: FAILED with seed $seed (exit status $status); replay: scripts/monkey $seconds $seed"
fi
exit "$status"
