# sanitizer_options PROGRAM [ARGS...]: the sanitizer settings of a test run,
# unless ASAN_OPTIONS is already set. LeakSanitizer needs to stop the
# process's threads; where the machine forbids that it fails every program,
# so leak checks are left out there. PROGRAM (built with the sanitizers) is
# run once with ARGS to find out.
sanitizer_options() {
    if [ -z "${ASAN_OPTIONS:-}" ]; then
        export ASAN_OPTIONS=abort_on_error=1
        if "$@" 2>&1 | grep -q "LeakSanitizer has encountered a fatal error"; then
            echo "LeakSanitizer cannot run on this machine; leak checks are off for this run."
            export ASAN_OPTIONS=abort_on_error=1:detect_leaks=0
        fi
    fi
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
}
