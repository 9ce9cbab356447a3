// Reads a drawing file, as the drawing file writer writes it, into a Drawing. Everything is
// checked before anything is answered, so a refused file changes nothing.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "emulator/models/document/drawing.h"

namespace emulator {

// Why a file is no drawing the host opens, in one line.
class DrawingFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The drawing TEXT holds. Throws DrawingFileError when it is not one: not XML, another
// picture, an element or attribute the writer never writes, a number that is not a finite
// float32, or more than the format's limits.
Drawing ParseDrawingFile(std::string_view text);

// The drawing in the file PATH. Throws DrawingFileError for a file too large, missing or
// unreadable, or as ParseDrawingFile does.
Drawing ReadDrawingFile(const std::string& path);

}  // namespace emulator
