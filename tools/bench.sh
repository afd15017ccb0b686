#!/usr/bin/env bash
# Measures the screen's hot paths with the benchmark program and prints each median CPU time beside
# its ratio to one surface copy, measured in the same run, and the most that ratio may be.
# Usage: tools/bench.sh [build directory]   (the build needs -DQUAXEL_BENCHMARKS=ON)
set -euo pipefail
build=${1:-build}
bench="$build/bench/quaxel_bench"
[ -x "$bench" ] || { echo "no $bench: configure with -DQUAXEL_BENCHMARKS=ON and build" >&2; exit 2; }

out=$(QT_QPA_PLATFORM=offscreen "$bench" \
  --benchmark_filter='^(SurfaceCopy|MainScreenPaint|DoubleScreenPaint|SlideStep|LabelRefresh|CardArrival)(/|$)' \
  --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2 --benchmark_format=csv 2>/dev/null)

# csv: name,iterations,real_time,cpu_time,time_unit,...
echo "$out" | awk -F, '
  BEGIN {
    goal["MainScreenPaint"] = 10; goal["DoubleScreenPaint"] = 5; goal["SlideStep"] = 2
    goal["LabelRefresh"] = 2; goal["CardArrival"] = 2
    split("SurfaceCopy MainScreenPaint DoubleScreenPaint SlideStep LabelRefresh CardArrival", order, " ")
  }
  $1 ~ /_median"?$/ {
    name = $1; gsub(/"/, "", name); sub(/_median$/, "", name); sub(/\/.*$/, "", name)
    cpu[name] = $4
  }
  END {
    if (!("SurfaceCopy" in cpu)) { print "no SurfaceCopy figure" > "/dev/stderr"; exit 2 }
    printf "%-18s %12s %8s %6s\n", "figure", "median us", "ratio", "goal"
    missed = 0
    for (i = 1; i <= 6; ++i) {
      n = order[i]
      if (!(n in cpu)) { printf "%-18s %12s\n", n, "missing"; missed = 1; continue }
      r = cpu[n] / cpu["SurfaceCopy"]
      g = (n in goal) ? sprintf("%d", goal[n]) : "-"
      mark = ""
      if ((n in goal) && r > goal[n]) { mark = "  over"; missed = 1 }
      printf "%-18s %12.1f %8.2f %6s%s\n", n, cpu[n], r, g, mark
    }
    exit missed
  }'
