// A scenario file as `play` reads it: each line compiled through the action table, then the
// actions played by a host that has no plug-in to load. A line that does not read, or an
// action that cannot be carried out, must end the run with a ScenarioError; and whatever
// the actions did, every point of the document must stay finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/player.h"

namespace {

bool Finite(const HostRealPoint& point) {
    return std::isfinite(point.h) && std::isfinite(point.v);
}

bool AllPointsFinite(const emulator::Document& document) {
    for (const emulator::Art* path : document.Paths())
        for (const HostPathSegment& segment : path->segments)
            if (!Finite(segment.p) || !Finite(segment.in) || !Finite(segment.out)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Actions that need the plug-in fail as they would with a missing library: those that
    // act on the host alone (layers, paths, the view, menus, preferences) still run.
    emulator::Host host("/nonexistent/libortaq.so");
    emulator::Player player(host);
    try {
        player.Load("fuzz.scn", std::string(reinterpret_cast<const char*>(data), size));
        player.Play();
    } catch (const emulator::ScenarioError&) {
    }
    if (!AllPointsFinite(host.Drawing())) std::abort();
    return 0;
}
