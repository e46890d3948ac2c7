#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build (-DVT_FUZZ=ON) side by side for a
# bounded time, each first on its seed corpus in
# tests/toepassing/kern/fuzz/korpus/<target> (the inputs that once found
# faults among them), then on inputs it makes itself, with the byte
# sequences of tests/toepassing/kern/fuzz/woordenboek.dict. The targets run
# at once, so the time is the time of the whole run. Exits non-zero when a
# target finds a crash, a hang, a leak, memory without end or a broken
# property; the input that did it is kept in <build>/fuzz/<target>/.
#
#   scripts/fuzz.sh <build folder> <seconds per target>
set -uo pipefail
hier="$(cd "$(dirname "$0")/.." && pwd)"
bouw="$(cd "$1" && pwd)"
tijd="$2"
korpus="$hier/tests/toepassing/kern/fuzz/korpus"
woordenboek="$hier/tests/toepassing/kern/fuzz/woordenboek.dict"
doelen=(uitwisselbestand zoeken projekt)

rm -rf "$bouw/fuzz"
pids=()
for doel in "${doelen[@]}"; do
    uit="$bouw/fuzz/$doel"
    mkdir -p "$uit/nieuw"
    # With leak detection: memory lost to an input, and at the end what the
    # target and the toolkit left behind. What the toolkit keeps in its
    # caches is still reachable and is no leak.
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$bouw/bin/fuzz_$doel" -max_total_time="$tijd" -timeout=10 -rss_limit_mb=2048 -detect_leaks=1 \
        -dict="$woordenboek" -artifact_prefix="$uit/" "$uit/nieuw" "$korpus/$doel" >"$uit/log.txt" 2>&1 &
    pids+=($!)
done

# Stopped, it stops its fuzzers too.
trap 'kill "${pids[@]}" 2>/dev/null; exit 143' TERM

status=0
for i in "${!doelen[@]}"; do
    doel=${doelen[$i]}
    if wait "${pids[$i]}"; then
        echo "fuzz_$doel: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' "$bouw/fuzz/$doel/log.txt" | tail -1)s, nothing found"
    else
        status=1
        echo "fuzz_$doel FAILED; its report ($bouw/fuzz/$doel/log.txt) ends:"
        tail -40 "$bouw/fuzz/$doel/log.txt"
    fi
done
exit $status
