// The reader of a build without pugixml (a cross-build: Debian packages pugixml for the build
// machine only). Such a build saves drawings but refuses to open them, saying why.
#include "emulator/models/drawing_file/drawing_file_reader.h"

namespace emulator {

Drawing ParseDrawingFile(std::string_view) {
    throw DrawingFileError("this build of ortaq-host cannot open drawings: it has no XML reader");
}

Drawing ReadDrawingFile(const std::string&) {
    return ParseDrawingFile({});
}

}  // namespace emulator
