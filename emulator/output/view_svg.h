// A picture of the document's first view as a user sees it: the page on the pasteboard,
// the paths of the visible layers, the guides over them, the annotation layer's last draw
// cycle on top, and the plug-in's cursor at the pointer.
#pragma once

#include <string>

#include "emulator/core/host.h"

namespace emulator {

// The colour the host shows guides in.
constexpr const char* kGuideColour = "#00bfff";

// Whether the picture shows the plug-in's cursor: a screen that shows its own pointer
// (a page in a browser) leaves it out.
enum class ViewCursor { kDrawn, kLeftOut };

// SVG text, the size of the view's window. Throws std::runtime_error when the annotation font is
// needed and cannot be opened.
std::string ViewSvg(const Host& host, ViewCursor cursor = ViewCursor::kDrawn);

}  // namespace emulator
