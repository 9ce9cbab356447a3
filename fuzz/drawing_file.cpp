// A drawing file: read whole, or refused with a DrawingFileError. A drawing read is written
// again and must read back as the very same text, and a document rebuilt from it keeps every
// point finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "emulator/models/document/document.h"
#include "emulator/models/drawing_file/drawing_file_reader.h"
#include "emulator/output/drawing_file_writer.h"

namespace {

bool Finite(HostRealPoint point) {
    return std::isfinite(point.h) && std::isfinite(point.v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    emulator::Drawing drawing;
    try {
        drawing =
            emulator::ParseDrawingFile(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const emulator::DrawingFileError&) {
        return 0;
    }
    std::string written = emulator::DrawingFileText(drawing);
    if (emulator::DrawingFileText(emulator::ParseDrawingFile(written)) != written) std::abort();
    emulator::Document document;
    document.Replace(drawing);
    for (const emulator::Art* path : document.Paths())
        for (const HostPathSegment& s : path->segments)
            if (!Finite(s.p) || !Finite(s.in) || !Finite(s.out)) std::abort();
    return 0;
}
