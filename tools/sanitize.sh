#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in its own build folder and
# runs the unit and whole-program tests under them. Leaks inside the system's font and bus
# libraries are suppressed (tools/lsan.supp); nothing of ours is. Warnings stay warnings here: the
# compiler reports bounds it cannot prove under the sanitizers' instrumentation.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUAXEL_SANITIZE_BUILD:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUAXEL_SANITIZE=ON \
  -DQUAXEL_WERROR=OFF -DQUAXEL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -L 'unit|program'
