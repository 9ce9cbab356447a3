// Reading the preference file back, by its number of keys: the time should grow in
// proportion to the keys (the complexity line shows it).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "emulator/models/preferences/preference_store.h"

namespace {

void LoadPreferences(benchmark::State& state) {
    const std::string path = "/tmp/ortaq-bench-prefs-" + std::to_string(::getpid()) + ".json";
    emulator::PreferenceStore written;
    for (int i = 0; i < state.range(0); ++i)
        written.Put("Ortaq", "key " + std::to_string(i), int32_t{i});
    written.Save(path);
    emulator::PreferenceStore read;
    for (auto _ : state) benchmark::DoNotOptimize(read.Load(path));
    state.SetComplexityN(state.range(0));
    ::unlink(path.c_str());
}
BENCHMARK(LoadPreferences)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

}  // namespace

BENCHMARK_MAIN();
