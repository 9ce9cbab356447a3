// The cost of one host message: every outermost call acquires and releases the plug-in's
// whole suite table, so this is the floor under every mouse message.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "emulator/host/host.h"

namespace {

void OutermostMessage(benchmark::State& state) {
    host::Host host(ORTAQ_PLUGIN_PATH);
    std::string error;
    if (!host.LoadPlugin(error)) throw std::runtime_error(error);
    host.Start();
    for (auto _ : state) benchmark::DoNotOptimize(host.Call("AI Tool", "AI Track Cursor"));
    host.Quit();
}
BENCHMARK(OutermostMessage);

}  // namespace

BENCHMARK_MAIN();
