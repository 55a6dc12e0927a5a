#!/usr/bin/env bash
# Builds the whole test suite with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DKELVANE_SANITIZE=ON -DKELVANE_BENCH=OFF >/dev/null
cmake --build build-asan --parallel "$(nproc)"
# Leaks are not checked: the platform libraries (fontconfig, Qt's plugin loader) keep allocations
# for the life of the process by design, which LeakSanitizer reports.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" "$@"
