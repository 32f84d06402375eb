# shellcheck shell=bash
# Building and running the libFuzzer targets of fuzz/ (every fuzz/*_fuzz.cpp
# is one) with clang. Sourced by scripts/fuzz; the test build runs it as
#   fuzz.sh build SOURCE_DIR BUILD_DIR
#   fuzz.sh run BUILD_DIR TARGET SECONDS WORK_DIR
# Both exit 77 (skipped) where clang++ or the libFuzzer runtime is missing.

FUZZ_SKIP=77

# The clang++ to build with: $FISCALIA_FUZZ_CXX, else clang++.
fuzz_cxx() { echo "${FISCALIA_FUZZ_CXX:-clang++}"; }

# The targets, by name, of a source folder.
fuzz_targets() {
    local src=$1 file
    for file in "$src"/fuzz/*_fuzz.cpp; do
        [ -e "$file" ] && basename "$file" .cpp
    done
}

# The largest input worth trying for a target: a little more than its
# largest sensible file.
fuzz_max_len() {
    case $1 in
        box_readings_fuzz) echo 64 ;;
        personal_settings_fuzz) echo 2048 ;;
        mortgage_file_fuzz) echo 2048 ;;
        net_worth_file_fuzz) echo 4096 ;;
        csv_fuzz) echo 4096 ;;
        fund_file_fuzz) echo 8192 ;;
        fund_import_fuzz) echo 8192 ;;
        *) echo 4096 ;;
    esac
}

# Whether clang++ can build and link a fuzzer here; says why not on stderr.
fuzz_toolchain_ok() {
    local cxx tmp
    cxx=$(fuzz_cxx)
    if ! command -v "$cxx" >/dev/null 2>&1; then
        echo "no $cxx on this machine: the fuzz targets need clang (Debian: clang libclang-rt-dev)" >&2
        return 1
    fi
    tmp=$(mktemp -d)
    printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$tmp/probe.cpp"
    if ! "$cxx" -fsanitize=fuzzer,address,undefined "$tmp/probe.cpp" -o "$tmp/probe" >"$tmp/log" 2>&1; then
        echo "$cxx cannot link a fuzzer (is the libFuzzer runtime, libclang-rt-dev, installed?):" >&2
        head -n 5 "$tmp/log" >&2
        rm -rf "$tmp"
        return 1
    fi
    rm -rf "$tmp"
}

# Configures (once) and builds the fuzz targets in BUILD_DIR.
fuzz_build() {
    local src=$1 build=$2
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$src" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$(fuzz_cxx)" -DCMAKE_BUILD_TYPE=Debug \
            "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" -DFISCALIA_FUZZ=ON -DFISCALIA_TESTS=OFF >/dev/null || return 1
    fi
    ninja -C "$build" -j2 fuzz_targets
}

# The sanitizers' settings for a run: what the caller set, with leak checks
# off where LeakSanitizer cannot work (it must stop the process's threads).
fuzz_sanitizer_env() {
    local bin=$1
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
    if [ -z "${ASAN_OPTIONS:-}" ]; then
        export ASAN_OPTIONS=abort_on_error=1
        if "$bin" -runs=1 -detect_leaks=1 2>&1 | grep -q "LeakSanitizer has encountered a fatal error"; then
            export ASAN_OPTIONS=abort_on_error=1:detect_leaks=0
        fi
    fi
}

# Runs TARGET for SECONDS over WORK_DIR/corpus/TARGET (seeded from
# fuzz/corpus/TARGET, never written there); findings go to
# WORK_DIR/findings/TARGET. Prints one summary line; fails on a finding.
fuzz_run() {
    local build=$1 target=$2 seconds=$3 work=$4
    local src bin corpus findings log dict=() rc runs cov ft files found
    src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    bin=$build/fuzz/$target
    if [ ! -x "$bin" ]; then
        echo "$target: not built ($bin missing)" >&2
        return 2
    fi
    corpus=$work/corpus/$target
    findings=$work/findings/$target
    log=$work/logs/$target.log
    mkdir -p "$corpus" "$findings" "$work/logs"
    touch "$log.start"
    if [ -d "$src/fuzz/corpus/$target" ]; then
        cp -n "$src/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true
    fi
    [ -f "$src/fuzz/dict/$target.dict" ] && dict=(-dict="$src/fuzz/dict/$target.dict")
    fuzz_sanitizer_env "$bin"
    # libFuzzer's own exit code for a finding (77) would read as skipped in CTest.
    "$bin" "${dict[@]}" -max_total_time="$seconds" -max_len="$(fuzz_max_len "$target")" -timeout=10 \
        -error_exitcode=1 -timeout_exitcode=1 -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" </dev/null >"$log" 2>&1
    rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*')
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*')
    files=$(find "$corpus" -type f | wc -l)
    found=$(find "$findings" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \
        -o -name 'slow-unit-*' \) -newer "$log.start" 2>/dev/null | sort)
    rm -f "$log.start"
    printf '%-24s %10s runs  coverage %5s edges %6s features  corpus %5s files  ' \
        "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$files"
    if [ "$rc" -eq 0 ] && [ -z "$found" ]; then
        echo "findings: none"
        return 0
    fi
    echo "FINDING (exit $rc)"
    grep -m 3 -E 'SUMMARY|ERROR: libFuzzer|runtime error|==ERROR' "$log" | sed 's/^/    /'
    [ -n "$found" ] && echo "$found" | sed 's/^/    kept: /'
    [ -n "$found" ] && echo "    again: $bin $(echo "$found" | head -n 1)"
    echo "    log: $log"
    return 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -uo pipefail
    case ${1:-} in
        build)
            [ $# -eq 3 ] || { echo "usage: $0 build SOURCE_DIR BUILD_DIR" >&2; exit 2; }
            fuzz_toolchain_ok || { echo "SKIPPED: the fuzz targets cannot be built here"; exit $FUZZ_SKIP; }
            fuzz_build "$2" "$3"
            ;;
        run)
            [ $# -eq 5 ] || { echo "usage: $0 run BUILD_DIR TARGET SECONDS WORK_DIR" >&2; exit 2; }
            fuzz_toolchain_ok || { echo "SKIPPED: the fuzz targets cannot be built here"; exit $FUZZ_SKIP; }
            # A scratch corpus for every test run, so that each starts from the seeds.
            rm -rf "$5/corpus/$3" "$5/findings/$3"
            fuzz_run "$2" "$3" "$4" "$5"
            ;;
        *)
            echo "usage: $0 build SOURCE_DIR BUILD_DIR | run BUILD_DIR TARGET SECONDS WORK_DIR" >&2
            exit 2
            ;;
    esac
fi
