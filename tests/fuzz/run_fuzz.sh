#!/usr/bin/env bash
# Fuzzes the character file reader for a bounded time (seconds, default 60):
# builds the libFuzzer target with clang in build-fuzz/, starts from the seed
# corpus and the kept regressions, and fails on any finding. The corpus the
# run grows stays in a temporary folder and is thrown away; a finding is
# left in build-fuzz/findings/ (keep it in tests/fuzz/regressions/).
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
scripts/install-deps.sh --fuzz
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKTCMT_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_chara_file

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" build-fuzz/findings
cp tests/fuzz/corpus/* "$work/corpus/"
find tests/fuzz/regressions -type f ! -name README -exec cp {} "$work/corpus/" \;

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Memory that one input leaves behind is a finding too.
export ASAN_OPTIONS=detect_leaks=1
build-fuzz/tests/fuzz/fuzz_chara_file -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -dict=tests/fuzz/ktc.dict -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 \
  "$work/corpus" 2>&1 | tee build-fuzz/fuzz.log | grep -aE '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::|ERROR|SUMMARY|fault|Test unit written'
# The pipeline's status is the fuzzer's: non-zero on a crash, a sanitizer
# report, a broken promise, a timeout or running out of memory.
