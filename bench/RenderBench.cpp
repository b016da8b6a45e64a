// Rendering all 41 tone assets, samples and file bytes (about 1.8 MB).
#include <benchmark/benchmark.h>

#include "NoteTable.h"
#include "SquareWave.h"
#include "WaveFile.h"

static void RenderAllAssets(benchmark::State& state)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const auto& note : tones::kNotes) {
            auto file = tones::buildWaveFile(tones::renderSquareWave(note));
            bytes += file.size();
            benchmark::DoNotOptimize(file.data());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(RenderAllAssets)->Unit(benchmark::kMillisecond);
