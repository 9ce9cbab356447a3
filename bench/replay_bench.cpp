// How fast a scenario of pointer moves plays through the real plug-in: read, compiled and
// run line by line as `ortaq-host play` does, without the process's start and its files.
// The user draws a row of quadrilaterals with the tool, then the pointer goes back and
// forth between a vertex of one of them and the empty space beside it.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/player.h"

namespace {

constexpr int kQuadrilaterals = 10;
constexpr int kPitch = 100;  // between neighbouring quadrilaterals' first vertices

std::string Point(int h, int v) {
    return std::to_string(h) + " " + std::to_string(v);
}

// Four clicks make an arbitrary quadrilateral, the tool's kind when it starts.
std::string DrawRow() {
    std::string lines;
    for (int i = 0; i < kQuadrilaterals; ++i) {
        int h = i * kPitch;
        for (const std::string& vertex :
             {Point(h, 0), Point(h + 50, 0), Point(h + 60, 40), Point(h + 5, 45)})
            lines += "click " + vertex + "\n";
    }
    return lines;
}

// MOVES moves: odd ones near a vertex of a quadrilateral, in turn, even ones where nothing
// is.
std::string MovesScenario(int moves) {
    std::string text = "start\nselect-tool\n" + DrawRow();
    for (int i = 0; i < moves; ++i) {
        int h = (i / 2 % kQuadrilaterals) * kPitch;
        text += "move " + (i % 2 == 1 ? Point(h + 51, 1) : Point(h + 25, -30)) + "\n";
    }
    return text;
}

void Replay(benchmark::State& state) {
    int moves = static_cast<int>(state.range(0));
    std::string scenario = MovesScenario(moves);
    for (auto _ : state) {
        emulator::Host host(ORTAQ_PLUGIN_PATH);
        std::string error;
        if (!host.LoadPlugin(error)) throw std::runtime_error(error);
        emulator::Player player(host);
        player.Load("moves.scn", scenario);
        player.Play();
        if (host.Drawing().Paths().size() != kQuadrilaterals || !host.Errors().empty() ||
            !player.NoticesGiven().empty())
            throw std::runtime_error("the scenario did not play as drawn");
    }
    state.SetItemsProcessed(state.iterations() * moves);
}
BENCHMARK(Replay)->Name("Replay/Moves")->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
