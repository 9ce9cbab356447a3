// A cursor resource's picture: its pixels as SVG, for the view's picture and for a page
// that shows it as the real pointer.
#pragma once

#include <string>

#include "emulator/models/resources/cursor_resource.h"
#include "emulator/output/svg_writer.h"

namespace emulator {

// Draws CURSOR's pixels with its top-left corner at (0, 0) of SVG's current frame.
void DrawCursorPixels(SvgWriter& svg, const CursorBitmap& cursor);

// A standalone picture of CURSOR, its image's size.
std::string CursorSvg(const CursorBitmap& cursor);

}  // namespace emulator
