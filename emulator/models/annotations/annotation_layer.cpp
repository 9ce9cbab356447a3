#include "emulator/models/annotations/annotation_layer.h"

namespace emulator {

void AnnotationLayer::BeginCycle() {
    drawing_ = true;
    operations_.clear();
    invalidated_.clear();
}

void AnnotationLayer::Record(const AnnotationDrawer& drawer, AnnotationOp op) {
    op.color = drawer.color;
    op.lineWidth = drawer.lineWidth;
    op.font = drawer.font;
    operations_.push_back(std::move(op));
}

}  // namespace emulator
