// What the benchmarks that run the real plug-in share: a started host with the tool in hand,
// documents of many quadrilaterals made as the tool makes them, and events run as the
// user-interface loop runs a scenario's line.
#pragma once

#include <functional>

#include "emulator/core/host.h"

namespace bench {

// The first vertex of quadrilateral N of a grid of them, 40 points apart, 20 points a side.
HostRealPoint FirstVertex(int quadrilateral);

// COUNT quadrilaterals, each a named group holding a closed, tagged path of four corners,
// in the paint order the tool leaves them: the first drawn at the bottom.
void DrawQuadrilaterals(emulator::Document& document, int count);

// Starts the plug-in and makes its tool current; throws when it did not start with its tool
// and panel.
void StartWithTool(emulator::Host& host);

// Runs EFFECT as one event of the host's loop, the idle work after it included.
void RunEvent(emulator::Host& host, const std::function<void()>& effect);

// One event sending SELECTOR to the current tool at POINT, the button down for a press and
// a drag, up once released.
void ToolEvent(emulator::Host& host, const char* selector, HostRealPoint point);

}  // namespace bench
