// The host's selection tool: a press selects the art under the pointer (or drops the
// selection over empty space), and dragging moves the selection with the pointer.
#pragma once

#include <optional>

#include "emulator/models/document/document.h"

namespace emulator {

class SelectionTool {
  public:
    // How near an outline, in view pixels, a press still takes its art.
    static constexpr double kReachPixels = 3;

    // The button goes down at POINT, within RADIUS artwork points of an outline: its art
    // becomes the selection, held for a drag; over nothing the selection is dropped.
    void Press(Document& document, HostRealPoint point, double radius);
    // The pointer moves to POINT with the button down: the selection held moves by the
    // pointer's displacement. Answers whether art moved. Throws std::invalid_argument,
    // moving nothing, when a point of the art would leave the float32 range.
    bool DragTo(Document& document, HostRealPoint point);
    // The button goes up: the gesture is over.
    void Release() { grabbed_.reset(); }

  private:
    // Where the pointer last moved the selection it holds, while the button is down on it.
    std::optional<HostRealPoint> grabbed_;
};

}  // namespace emulator
