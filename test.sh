#!/usr/bin/env bash
# Installs what is missing, builds everything twice (plain and with
# -fsanitize=address,undefined), runs every test in both, builds the fuzz
# targets with clang and runs each for a minute with leak detection
# (VT_FUZZ_TIJD seconds; ten with --quick), and ends with CTest's summary
# of the plain build and what the fuzzers found. Exits non-zero on any failure.
#
#   ./test.sh           both builds and the fuzzing, as CI runs it
#   ./test.sh --quick   the plain build and a short fuzzing, for daily work
set -uo pipefail
hier="$(cd "$(dirname "$0")" && pwd)"
cd "$hier"
banen="$(nproc)"

snel=false
case "${1:-}" in
--quick) snel=true ;;
"") ;;
*)
    echo "usage: $0 [--quick]" >&2
    exit 2
    ;;
esac

scripts/installeer.sh test || exit 1
scripts/locales.sh || exit 1

# Ninja, which installeer.sh installs, compiles the sources of a target while
# the libraries it links are still being built; Make waits for them. A build
# folder keeps the generator it was made with.
if command -v ninja >/dev/null; then
    export CMAKE_GENERATOR="${CMAKE_GENERATOR:-Ninja}"
fi

bouw() {
    local map=$1
    shift
    cmake -S . -B "$map" "$@" >/dev/null && cmake --build "$map" -j "$banen"
}

bouw build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo || exit 1
if ! $snel; then
    bouw build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVT_SANITIZE=ON || exit 1
fi

# The fuzz targets, built with clang in a build of their own, each run on its
# seed corpus and on inputs of its own for a bounded time. With eight cores
# or more they run beside the tests, which keep about five busy; on fewer
# they would take the tests' cores and the tests theirs, so they run after.
echo "== Fuzz targets =="
if $snel; then
    fuzzTijd="${VT_FUZZ_TIJD:-10}"
else
    fuzzTijd="${VT_FUZZ_TIJD:-60}"
fi
fuzzer=
fuzzGebouwd=false
bouw build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVT_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ &&
    fuzzGebouwd=true
if $fuzzGebouwd && [ "$banen" -ge 8 ]; then
    scripts/fuzz.sh build-fuzz "$fuzzTijd" >build-fuzz/fuzz.txt 2>&1 &
    fuzzer=$!
    trap '[ -n "$fuzzer" ] && kill "$fuzzer" 2>/dev/null' EXIT
fi

if ! $snel; then
    echo "== Tests under -fsanitize=address,undefined =="
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j "$banen")
    sanitizer=$?
    [ $sanitizer -eq 0 ] && echo "== Sanitizer build: all tests passed ==" || echo "== Sanitizer build: FAILED =="
else
    sanitizer=0
fi

echo "== Tests =="
(cd build-test && ctest --output-on-failure -j "$banen")
gewoon=$?

echo "== Fuzzing with leak detection, ${fuzzTijd} seconds a target =="
fuzz=1
if [ -n "$fuzzer" ]; then
    wait "$fuzzer"
    fuzz=$?
    fuzzer=
    cat build-fuzz/fuzz.txt
elif $fuzzGebouwd; then
    scripts/fuzz.sh build-fuzz "$fuzzTijd"
    fuzz=$?
fi
[ $fuzz -eq 0 ] && echo "== Fuzzing: nothing found ==" || echo "== Fuzzing: FAILED =="

[ $sanitizer -eq 0 ] && [ $fuzz -eq 0 ] && [ $gewoon -eq 0 ]
