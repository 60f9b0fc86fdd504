// Loading the embedded Chrome skin as the start-up does: inflate, pictures, description.

#include <benchmark/benchmark.h>

#include "skin/EmbeddedSkin.h"

static void BM_LoadEmbeddedChromeSkin(benchmark::State& state) {
    for (auto _ : state) {
        skin::TbsSkinData data;
        skin::TbsCompressedStoredSkin chrome;
        bool loaded = skin::LoadEmbeddedChromeSkin(data, chrome, nullptr);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_LoadEmbeddedChromeSkin)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
