#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) in build-fuzz/ and runs each for SECONDS
# seconds (default 30) on its corpus in tests/fuzz/corpus/<target>/. New inputs found go to
# build-fuzz/corpus/<target>/, crashes to build-fuzz/crashes/. fuzz_jet also reads, without
# writing to them, the real Access files of the shared test data and the demo database of build/.
#   bash scripts/fuzz.sh            # the bounded smoke run of CI
#   bash scripts/fuzz.sh 3600       # a long run, an hour per target
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
bash scripts/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DKELVANE_FUZZ=ON -DKELVANE_BENCH=OFF >/dev/null
targets=$(cd tests/fuzz && ls -d corpus/*/ | xargs -n1 basename)
cmake --build build-fuzz --parallel "$(nproc)" --target $targets
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
mkdir -p build-fuzz/crashes
for target in $targets; do
  mkdir -p "build-fuzz/corpus/$target"
  seeds=("tests/fuzz/corpus/$target")
  if [ "$target" = fuzz_jet ]; then
    for extra in "${KELVANE_SHARED_DIR:-../shared}/testdata/mdb" build/demo; do
      if [ -d "$extra" ]; then seeds+=("$extra"); fi
    done
  fi
  echo "fuzzing $target for $seconds s"
  "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$target-" \
    "build-fuzz/corpus/$target" "${seeds[@]}" 2>&1 | grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|==|SUMMARY|Done)' || true
  if ls "build-fuzz/crashes/$target-"* >/dev/null 2>&1; then
    echo "$target: crash found, see build-fuzz/crashes/" >&2
    exit 1
  fi
done
