#include "emulator/models/annotations/annotation_font.h"

namespace emulator {

const AnnotationFont& AnnotationFont::Default() {
    // A failed opening leaves nothing behind: the next use tries again.
    static const AnnotationFont font(kPath);
    return font;
}

}  // namespace emulator
