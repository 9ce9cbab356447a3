// The cost of one host message while no panel holds the suites: the outermost call
// acquires and releases the plug-in's whole suite table.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "emulator/core/host.h"

namespace {

void OutermostMessage(benchmark::State& state) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    std::string error;
    if (!host.LoadPlugin(error)) throw std::runtime_error(error);
    // Start-up alone: the application-started step would make the panel, which keeps the
    // suites held from then on.
    host.Call("SP Interface", "Startup");
    for (auto _ : state) benchmark::DoNotOptimize(host.Call("AI Tool", "AI Track Cursor"));
    host.Call("SP Interface", "Shutdown");
}
BENCHMARK(OutermostMessage);

}  // namespace

BENCHMARK_MAIN();
