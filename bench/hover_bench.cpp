// One pointer move over a vertex, through the real plug-in's tool, in documents of N
// quadrilaterals made as the tool makes them, with the host's hit test through the anchors'
// index and by looking at every path. The move is one event of the user-interface loop, as
// a scenario's `move` is: the message, then the panel's redraw.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <vector>

#include "emulator/core/host.h"
#include "host/ai_art.h"
#include "host/messages.h"

namespace {

constexpr float kSpacing = 40;  // between neighbouring quadrilaterals' first vertices
constexpr float kSide = 20;
constexpr int kColumns = 256;

HostRealPoint FirstVertex(int quadrilateral) {
    return {static_cast<float>(quadrilateral % kColumns) * kSpacing,
            static_cast<float>(quadrilateral / kColumns) * kSpacing};
}

emulator::Art* NewArt(emulator::Document& document, int32_t type, emulator::Art* in) {
    HostErr error = kHostNoError;
    emulator::Art* art = document.NewArt(type, kHostPlaceInsideOnBottom, in, error);
    if (art == nullptr) throw std::runtime_error("the document refused new art");
    return art;
}

// What one finished gesture of the tool leaves: a named group holding a closed path of
// four corners, tagged as the tool's own.
void AddQuadrilateral(emulator::Document& document, int quadrilateral) {
    emulator::Art* group = NewArt(document, kHostGroupArt, document.Current()->group);
    group->name = "Quadrilatère";
    emulator::Art* path = NewArt(document, kHostPathArt, group);
    HostRealPoint a = FirstVertex(quadrilateral);
    std::vector<HostPathSegment> corners;
    for (HostRealPoint p : {a, {a.h + kSide, a.v}, {a.h + kSide, a.v + kSide}, {a.h, a.v + kSide}})
        corners.push_back({p, p, p, 1});
    document.SetSegmentCount(*path, corners.size());
    document.SetSegments(*path, 0, corners);
    path->closed = true;
    path->tags.push_back({"qqq", "string", "jj"});
}

// The tool puts each new group on top. Placing them at the bottom from the last drawn to
// the first gives the same paint order without moving every sibling at each insertion.
void DrawQuadrilaterals(emulator::Document& document, int count) {
    for (int i = count - 1; i >= 0; --i) AddQuadrilateral(document, i);
}

// A started host whose current tool is the plug-in's.
void StartWithTool(emulator::Host& host) {
    std::string error;
    if (!host.LoadPlugin(error)) throw std::runtime_error(error);
    host.Start();
    emulator::Tool* tool = host.Tools().OwnedBy(host.Plugin().Ref());
    if (!host.Started() || tool == nullptr || host.Dialogs().Panel() == nullptr)
        throw std::runtime_error("the plug-in did not start with its tool and panel");
    host.SelectTool(*tool);
}

// Runs one move to POINT as the loop runs a scenario's line.
void MoveTo(emulator::Host& host, HostRealPoint point) {
    bool moved = false;
    host.Loop().Post({0, [&] {
                          host.SendToCurrentTool(kSelectorAITrackToolCursor, point);
                          moved = true;
                      }});
    host.Loop().RunUntil([&] { return moved; });
}

void TrackCursor(benchmark::State& state, bool indexed) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    StartWithTool(host);
    DrawQuadrilaterals(host.Drawing(), static_cast<int>(state.range(0)));
    host.Drawing().SetIndexed(indexed);
    // Near the first quadrilateral's first vertex: the bottom of the paint order, the
    // scan's worst case.
    HostRealPoint vertex = FirstVertex(0);
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
