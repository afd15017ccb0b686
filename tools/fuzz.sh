#!/usr/bin/env bash
# Builds the settings-file fuzz target with clang (address and undefined-behaviour checks) in its
# own build folder and runs it over the seed corpus for a bounded time. Needs the Debian packages
# clang and libclang-rt-14-dev besides those of setup.sh.
# Usage: tools/fuzz.sh [seconds, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${QUAXEL_FUZZ_BUILD:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DQUAXEL_FUZZ=ON -DQUAXEL_TESTS=OFF -DQUAXEL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target profile_fuzz -j"$(nproc)"
# New inputs go to a scratch folder, so the seeds in the repository stay as they are; the settings
# file each run writes lives in memory.
found=$(mktemp -d)
scratch=$(mktemp -d -p "$([ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
trap 'rm -rf "$found" "$scratch"' EXIT
mkdir -p "$build/fuzz/artifacts"
QUAXEL_FUZZ_SCRATCH=$scratch "$build/fuzz/profile_fuzz" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=1024 -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/fuzz/artifacts/" \
  "$found" fuzz/corpus
