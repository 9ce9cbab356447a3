#include "emulator/models/tools/selection_tool.h"

namespace emulator {

void SelectionTool::Press(Document& document, HostRealPoint point, double radius) {
    Art* hit = document.HitPath(point, radius);
    document.Select(hit);
    grabbed_.reset();
    if (hit != nullptr) grabbed_ = point;
}

bool SelectionTool::DragTo(Document& document, HostRealPoint point) {
    Art* selection = document.Selection();
    // The art held may have gone under the gesture (the plug-in deleted it).
    if (!grabbed_ || selection == nullptr) return false;
    float dh = point.h - grabbed_->h, dv = point.v - grabbed_->v;
    if (dh == 0 && dv == 0) return false;
    document.Transform(*selection, HostRealMatrix{1, 0, 0, 1, dh, dv});
    grabbed_ = point;
    return true;
}

}  // namespace emulator
