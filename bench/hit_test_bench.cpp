// A hit test among N four-anchor paths spread over a grid, on anchors or on paths, through
// the indexes and by looking at every path: the index should stay nearly flat as N grows, the scan
// grow in proportion to N (the complexity lines show it).
#include <benchmark/benchmark.h>

#include <vector>

#include "emulator/models/document/document.h"
#include "host/ai_art.h"

namespace {

void FillGrid(emulator::Document& document, int paths) {
    emulator::Art* top = document.LayerAt(0)->group;
    for (int i = 0; i < paths; ++i) {
        HostErr error = kHostNoError;
        emulator::Art* path = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, top, error);
        float h = static_cast<float>(i % 256) * 40, v = static_cast<float>(i / 256) * 40;
        std::vector<HostPathSegment> segments;
        for (HostRealPoint p : {HostRealPoint{h, v}, {h + 20, v}, {h + 20, v + 20}, {h, v + 20}})
            segments.push_back({p, p, p, 1});
        document.SetSegmentCount(*path, segments.size());
        document.SetSegments(*path, 0, segments);
    }
}

// What is hit at a point of the first path drawn: an anchor, as the plug-in's hover asks,
// or a path's outline or area, as the host's selection tool asks.
enum class Target { kAnchor, kPath };

void HitTest(benchmark::State& state, bool indexed, Target target) {
    emulator::Document document;
    FillGrid(document, static_cast<int>(state.range(0)));
    document.SetIndexed(indexed);
    // The first path drawn is at the bottom of the paint order: the scan's worst case.
    for (auto _ : state) {
        if (target == Target::kAnchor)
            benchmark::DoNotOptimize(document.HitAnchor({1, 1}, 8, nullptr));
        else
            benchmark::DoNotOptimize(document.HitPath({10, 10}, 3));
    }
    state.SetComplexityN(state.range(0));
}

void IndexedHitTest(benchmark::State& state) {
    HitTest(state, true, Target::kAnchor);
}
void ScannedHitTest(benchmark::State& state) {
    HitTest(state, false, Target::kAnchor);
}
void IndexedPathHitTest(benchmark::State& state) {
    HitTest(state, true, Target::kPath);
}
void ScannedPathHitTest(benchmark::State& state) {
    HitTest(state, false, Target::kPath);
}
BENCHMARK(IndexedHitTest)->RangeMultiplier(4)->Range(1 << 8, 1 << 14)->Complexity();
BENCHMARK(ScannedHitTest)->RangeMultiplier(4)->Range(1 << 8, 1 << 14)->Complexity();
BENCHMARK(IndexedPathHitTest)->RangeMultiplier(4)->Range(1 << 8, 1 << 14)->Complexity();
BENCHMARK(ScannedPathHitTest)->RangeMultiplier(4)->Range(1 << 8, 1 << 14)->Complexity();

}  // namespace

BENCHMARK_MAIN();
