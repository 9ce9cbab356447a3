// Finding what a test looks at in the host's JSON state: the panel and its items, the
// document's paths, the toolbox. References point into the state given.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "emulator/common/json.h"

// The state kept by the scenario's "snapshot NAME".
const emulator::Json& Snapshot(const emulator::Json& state, const std::string& name);

// The plug-in's floating panel ("KVTOrtaq"); throws when the state has none.
const emulator::Json& Panel(const emulator::Json& state);

// Item ID of the panel; throws when it has none.
const emulator::Json& PanelItem(const emulator::Json& state, int id);

// The value of the panel's numeric item ID (points for length fields, degrees for the
// slider).
double PanelValue(const emulator::Json& state, int id);

// Every path of the document, depth-first from the top layer, guides included.
std::vector<emulator::Json> Paths(const emulator::Json& state);

// The paths of the document that are guides, or that are not.
std::vector<emulator::Json> Guides(const emulator::Json& state);
std::vector<emulator::Json> ArtPaths(const emulator::Json& state);

// The groups of the document, depth-first from the top layer.
std::vector<emulator::Json> Groups(const emulator::Json& state);

using Point = std::pair<double, double>;

// The anchors of PATH's segments, in order.
std::vector<Point> Anchors(const emulator::Json& path);

// The toolbox's tool named NAME; throws when there is none.
const emulator::Json& ToolNamed(const emulator::Json& state, const std::string& name);

// Where VALUE holds null, as JSON pointers ("/document/layers/0/..."). The state writes a
// number that is not finite as null: two runs of the same steps that differ only in their
// numbers have nulls at the same places unless one of them met a non-finite number.
std::vector<std::string> NullsIn(const emulator::Json& value);
