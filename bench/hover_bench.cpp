// One pointer move over a vertex, through the real plug-in's tool, in documents of N
// quadrilaterals made as the tool makes them, with the host's hit test through the anchors'
// index and by looking at every path. The move is one event of the user-interface loop, as
// a scenario's `move` is: the message, then the panel's redraw.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <vector>

#include "bench/support/drawn_host.h"
#include "host/messages.h"

namespace {

// Runs one move to POINT as the loop runs a scenario's line.
void MoveTo(emulator::Host& host, HostRealPoint point) {
    bench::RunEvent(host, [&] { host.SendToCurrentTool(kSelectorAITrackToolCursor, point); });
}

void TrackCursor(benchmark::State& state, bool indexed) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    bench::StartWithTool(host);
    bench::DrawQuadrilaterals(host.Drawing(), static_cast<int>(state.range(0)));
    host.Drawing().SetIndexed(indexed);
    // Near the first quadrilateral's first vertex: the bottom of the paint order, the
    // scan's worst case.
    HostRealPoint vertex = bench::FirstVertex(0);
    HostRealPoint pointer{vertex.h + 1, vertex.v + 1};
    MoveTo(host, pointer);
    if (host.App().Cursor() != 20003 || !host.Errors().empty())
        throw std::runtime_error("the pointer is not over the first vertex");
    for (auto _ : state) MoveTo(host, pointer);
    host.Finish();
}

BENCHMARK_CAPTURE(TrackCursor, indexed, true)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK_CAPTURE(TrackCursor, linear, false)->Arg(1000)->Arg(10000)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
