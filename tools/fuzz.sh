#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each for a while.
#   tools/fuzz.sh [SECONDS] [BUILD_DIR]
# SECONDS per fuzzer (default 60); BUILD_DIR defaults to build-fuzz in the checkout.
# Each fuzzer starts from a copy of its seed corpus (tests/fuzz/corpus/<name>) kept in
# BUILD_DIR/corpus/<name>, so new inputs it finds never touch the committed seeds. Crashes are
# written to BUILD_DIR/artifacts/<name>/; the script exits non-zero if any fuzzer fails. At the
# end it prints each target's executions and findings (its log is BUILD_DIR/logs/<name>.log).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build_dir="${2:-$PWD/build-fuzz}"

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DVELQUORRAN_FUZZ=ON -DVELQUORRAN_TESTS=ON -DVELQUORRAN_BENCH=OFF >/dev/null

names=()
for source in tests/fuzz/fuzz_*.cpp; do
    name="$(basename "$source" .cpp)"
    names+=("${name#fuzz_}")
done
targets=()
for name in "${names[@]}"; do targets+=("fuzz_${name}_fuzzer"); done
cmake --build "$build_dir" -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
summary=()
for name in "${names[@]}"; do
    corpus="$build_dir/corpus/$name"
    artifacts="$build_dir/artifacts/$name"
    log="$build_dir/logs/$name.log"
    mkdir -p "$corpus" "$artifacts" "$build_dir/logs"
    if [ -d "tests/fuzz/corpus/$name" ]; then cp -n "tests/fuzz/corpus/$name"/* "$corpus"/ || true; fi
    echo "== fuzz_$name for ${seconds}s"
    result=ok
    if ! "$build_dir/tests/fuzz/fuzz_${name}_fuzzer" -max_total_time="$seconds" -max_len=12000 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1; then
        echo "fuzz_$name FAILED; see $artifacts and $log" >&2
        result=FAILED
        status=1
    fi
    tail -n 12 "$log"
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    findings="$(find "$artifacts" -type f | wc -l)"
    summary+=("$(printf '%-16s %12s executions  %3s findings  %s' "$name" "${runs:-?}" "$findings" "$result")")
done
echo "== summary (${seconds}s each)"
printf '%s\n' "${summary[@]}"
exit $status
