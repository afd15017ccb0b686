// Benchmark main: brings up the window system (offscreen unless a display is chosen) first.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/app.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (!platform::Start(argc, argv)) return 2;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
