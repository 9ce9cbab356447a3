// Undo and redo of one drag step in a document of many quadrilaterals, through the real
// plug-in: the user drags a vertex with the tool (press, moves, release: one step), then
// undoes and redoes it. Also the memory the history holds after kDragSteps such steps.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "bench/support/drawn_host.h"
#include "host/messages.h"

namespace {

constexpr int kDragSteps = 200;
constexpr int kMovesPerDrag = 10;

// Drags the first quadrilateral's first vertex by one point and back, as the user would.
void DragStep(emulator::Host& host, int step) {
    HostRealPoint vertex = host.Drawing().Paths().back()->segments.front().p;
    bench::ToolEvent(host, kSelectorAITrackToolCursor, vertex);
    bench::ToolEvent(host, kSelectorAIToolMouseDown, vertex);
    float shift = step % 2 == 0 ? 1.0f : -1.0f;
    HostRealPoint to = vertex;
    for (int move = 1; move <= kMovesPerDrag; ++move) {
        to = {vertex.h + shift * static_cast<float>(move) / kMovesPerDrag, vertex.v};
        bench::ToolEvent(host, kSelectorAIToolMouseDrag, to);
    }
    bench::ToolEvent(host, kSelectorAIToolMouseUp, to);
}

void UndoRedoDragStep(benchmark::State& state) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    bench::StartWithTool(host);
    bench::DrawQuadrilaterals(host.Drawing(), static_cast<int>(state.range(0)));
    host.History().Clear();  // the drawing is where the user starts from
    for (int step = 0; step < kDragSteps; ++step) DragStep(host, step);
    if (host.History().UndoCount() != kDragSteps || !host.Errors().empty())
        throw std::runtime_error("the drags were not one step each");
    state.counters["history_bytes"] = static_cast<double>(host.History().BytesHeld());
    state.counters["bytes_per_step"] = static_cast<double>(host.History().BytesHeld()) / kDragSteps;
    for (auto _ : state) {
        bench::RunEvent(host, [&] { host.Undo(); });
        bench::RunEvent(host, [&] { host.Redo(); });
    }
    if (host.History().UndoCount() != kDragSteps || !host.Errors().empty())
        throw std::runtime_error("undo and redo did not take the steps back and forth");
    host.Finish();
}

BENCHMARK(UndoRedoDragStep)->Arg(1)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
