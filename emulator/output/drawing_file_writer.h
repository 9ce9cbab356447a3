// Writes a drawing as the drawing file (see models/drawing_file/drawing_file_format.h): an SVG
// picture of the page that the drawing file reader turns back into the very same drawing.
#pragma once

#include <string>

#include "emulator/models/document/drawing.h"

namespace emulator {

// The file's text. Throws std::runtime_error when a text of the drawing cannot be kept in
// XML (not UTF-8, or a control character XML forbids).
std::string DrawingFileText(const Drawing& drawing);

}  // namespace emulator
