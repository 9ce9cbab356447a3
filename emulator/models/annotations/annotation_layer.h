// The annotation layer: the drawing plug-ins' annotators make over the artwork of a view,
// redrawn whole at every draw cycle, and the drawers they make it with.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "emulator/models/handle_table.h"
#include "host/ai_annotator.h"

namespace emulator {

// An annotator a plug-in added: while active, it is asked to draw at every draw cycle.
struct Annotator {
    std::string name;  // UTF-8
    HostPluginRef owner = nullptr;
    bool active = true;
};

// One drawing operation, in view pixels, with the drawer's settings when it was made.
struct AnnotationOp {
    std::string op{};                 // "line", "rect", "ellipse" or "text"
    std::array<int32_t, 4> coords{};  // a line: h1 v1 h2 v2; the others: left top right bottom
    HostRGBColor color{};
    HostReal lineWidth = 1;  // lines and outlines
    bool filled = false;     // rectangles and ellipses
    std::string text{};      // UTF-8
    int32_t hAlign = kHostAlignStart;
    int32_t vAlign = kHostAlignStart;
    int32_t font = kHostAnnotationDefaultFont;
};

// What one draw message draws with; its handle is valid for that message only.
struct AnnotationDrawer {
    HostRGBColor color{};  // black
    HostReal lineWidth = 1;
    int32_t font = kHostAnnotationDefaultFont;
};

class AnnotationLayer {
  public:
    // A draw cycle clears the layer; what the annotators draw during it is what shows.
    void BeginCycle();
    void EndCycle() { drawing_ = false; }
    bool InCycle() const { return drawing_; }

    void Record(const AnnotationDrawer& drawer, AnnotationOp op);
    // A rectangle an annotator asked to have redrawn during the cycle.
    void Invalidate(const HostRect& rect) { invalidated_.push_back(rect); }

    // The last cycle's operations, in the order they were drawn, and its invalidations.
    const std::vector<AnnotationOp>& Operations() const { return operations_; }
    const std::vector<HostRect>& Invalidated() const { return invalidated_; }

    // Drawers are lent to the plug-in for one draw message each.
    HandleRegistry<HostDrawerRef, AnnotationDrawer>& Drawers() { return drawers_; }
    AnnotationDrawer* FindDrawer(HostDrawerRef handle) const { return drawers_.Find(handle); }

  private:
    bool drawing_ = false;
    std::vector<AnnotationOp> operations_;
    std::vector<HostRect> invalidated_;
    HandleRegistry<HostDrawerRef, AnnotationDrawer> drawers_;
};

}  // namespace emulator
