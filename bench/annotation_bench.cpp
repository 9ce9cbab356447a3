// One draw cycle of the plug-in's annotator, "AI Annotation"/"AI Draw" through PluginMain
// as the host sends it when idle, in each of the tool's three states: a vertex of a
// rectangle hovered (ring, diagonal, three labels, four right-angle marks), a rectangle
// just completed (diagonal, five labels), and one being clicked, three vertices in.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "emulator/core/host.h"
#include "host/messages.h"

namespace {

// A rectangle of 200 by 150 points, clicked as an arbitrary quadrilateral.
const std::vector<HostRealPoint> kRectangle = {{60, 600}, {260, 600}, {260, 750}, {60, 750}};
constexpr HostRealPoint kAside{400, 300};

// A started host whose current tool is the plug-in's.
void StartWithTool(emulator::Host& host) {
    std::string error;
    if (!host.LoadPlugin(error)) throw std::runtime_error(error);
    host.Start();
    emulator::Tool* tool = host.Tools().OwnedBy(host.Plugin().Ref());
    if (!host.Started() || tool == nullptr)
        throw std::runtime_error("the plug-in did not start with its tool");
    host.SelectTool(*tool);
}

void Send(emulator::Host& host, const char* selector, HostRealPoint point) {
    host.Input().MoveTo(point);
    host.SendToCurrentTool(selector, point);
}

void Click(emulator::Host& host, HostRealPoint point) {
    Send(host, kSelectorAITrackToolCursor, point);
    host.Input().SetButtonDown(true);
    Send(host, kSelectorAIToolMouseDown, point);
    host.Input().SetButtonDown(false);
    Send(host, kSelectorAIToolMouseUp, point);
}

// Draw cycles with the tool left by CLICKS clicks at the rectangle's corners, then a move
// to POINTER; each cycle must draw OPERATIONS operations.
void DrawCycle(benchmark::State& state, size_t clicks, HostRealPoint pointer, size_t operations) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    StartWithTool(host);
    for (size_t i = 0; i < clicks; ++i) Click(host, kRectangle[i]);
    Send(host, kSelectorAITrackToolCursor, pointer);
    host.RedrawAnnotations();
    if (host.Annotations().Operations().size() != operations || !host.Errors().empty())
        throw std::runtime_error("the cycle drew " +
                                 std::to_string(host.Annotations().Operations().size()) +
                                 " operations, not " + std::to_string(operations));
    for (auto _ : state) host.RedrawAnnotations();
    host.Finish();
}

// Ring, diagonal, three labels of two operations, four marks of two strokes.
BENCHMARK_CAPTURE(DrawCycle, hovered_vertex, 4, kRectangle[1], 1 + 1 + 3 * 2 + 4 * 2);
// Diagonal and five labels.
BENCHMARK_CAPTURE(DrawCycle, just_completed, 4, kAside, 1 + 5 * 2);
// Five labels and the mark of the right angle at vertex 2; the pointer aside leaves none at
// vertices 3 and 4.
BENCHMARK_CAPTURE(DrawCycle, three_clicks_in, 3, kAside, 5 * 2 + 2);

}  // namespace

BENCHMARK_MAIN();
