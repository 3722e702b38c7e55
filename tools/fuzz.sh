#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for the given number of
# seconds (default 60) from its seed corpus in fuzz/corpus/. New inputs go to
# build-fuzz/corpus/, crashes to build-fuzz/crashes/. Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
fuzzer=$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null || true)
if ! command -v clang++ >/dev/null 2>&1 || [ ! -f "$fuzzer" ]; then
    echo "clang with libFuzzer is not installed: no fuzzing" >&2
    exit 1
fi
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build-fuzz/crashes
for target in rtf agenda; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "--- fuzz_$target, $seconds s"
    ASAN_OPTIONS=detect_leaks=1 QT_QPA_PLATFORM=offscreen \
        LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0" \
        "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=20 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target"
done
