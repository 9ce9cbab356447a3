#include "bench/support/drawn_host.h"

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/ai_art.h"
#include "host/messages.h"

namespace bench {
namespace {

constexpr float kSpacing = 40;
constexpr float kSide = 20;
constexpr int kColumns = 256;

emulator::Art* NewArt(emulator::Document& document, int32_t type, emulator::Art* in) {
    HostErr error = kHostNoError;
    emulator::Art* art = document.NewArt(type, kHostPlaceInsideOnBottom, in, error);
    if (art == nullptr) throw std::runtime_error("the document refused new art");
    return art;
}

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

}  // namespace

HostRealPoint FirstVertex(int quadrilateral) {
    return {static_cast<float>(quadrilateral % kColumns) * kSpacing,
            static_cast<float>(quadrilateral / kColumns) * kSpacing};
}

// The tool puts each new group on top. Placing them at the bottom from the last drawn to
// the first gives the same paint order without moving every sibling at each insertion.
void DrawQuadrilaterals(emulator::Document& document, int count) {
    for (int i = count - 1; i >= 0; --i) AddQuadrilateral(document, i);
}

void StartWithTool(emulator::Host& host) {
    std::string error;
    if (!host.LoadPlugin(error)) throw std::runtime_error(error);
    host.Start();
    emulator::Tool* tool = host.Tools().OwnedBy(host.Plugin().Ref());
    if (!host.Started() || tool == nullptr || host.Dialogs().Panel() == nullptr)
        throw std::runtime_error("the plug-in did not start with its tool and panel");
    host.SelectTool(*tool);
}

void RunEvent(emulator::Host& host, const std::function<void()>& effect) {
    bool ran = false;
    host.Loop().Post({0, [&] {
                          effect();
                          ran = true;
                      }});
    host.Loop().RunUntil([&] { return ran; });
}

void ToolEvent(emulator::Host& host, const char* selector, HostRealPoint point) {
    RunEvent(host, [&] {
        host.Input().MoveTo(point);
        if (std::strcmp(selector, kSelectorAIToolMouseDown) == 0) host.Input().SetButtonDown(true);
        if (std::strcmp(selector, kSelectorAIToolMouseUp) == 0) host.Input().SetButtonDown(false);
        host.SendToCurrentTool(selector, point);
    });
}

}  // namespace bench
