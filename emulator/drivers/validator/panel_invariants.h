// What must hold of the panel: it shows a figure of the document as the document holds it,
// or no figure.
#pragma once

#include <optional>

#include "emulator/drivers/validator/broken_invariant.h"

namespace emulator {

class Host;

// Outside a creation and any modal window, the panel's lengths, position, inclination and
// area are those of one tool path of the document (the lengths at one drawing scale), or
// every length is 0 when it shows no figure.
std::optional<BrokenInvariant> CheckPanelShowsAFigure(const Host& host);

}  // namespace emulator
