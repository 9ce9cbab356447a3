// The selection invariants find a selection on a layer locked under it and a selection
// drag that moves its art unlike the pointer, and nothing in a sound drag or in another
// tool's reshaping. The document is changed by hand between two looks.
#include "emulator/drivers/validator/selection_invariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "emulator/core/host.h"

namespace {

using emulator::Art;

// A host whose selection is a lone square, the pointer where a drag of it began.
class Selected {
  public:
    Selected() : host_(ORTAQ_PLUGIN_PATH) {
        HostErr error = kHostNoError;
        square = host_.Drawing().NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, error);
        std::vector<HostPathSegment> corners;
        for (HostRealPoint p : {HostRealPoint{0, 0}, {10, 0}, {10, 10}, {0, 10}})
            corners.push_back({p, p, p, 1});
        host_.Drawing().SetSegmentCount(*square, corners.size());
        host_.Drawing().SetSegments(*square, 0, corners);
        host_.Drawing().Select(square);
        host_.Input().MoveTo({5, 5});
    }

    // The pointer goes to (5 + DH, 5 + DV); every anchor moves by (MH, MV), or only vertex 2.
    void Drag(float dh, float dv, float mh, float mv, bool onlyVertex2 = false) {
        host_.Input().MoveTo({5 + dh, 5 + dv});
        if (!onlyVertex2) {
            host_.Drawing().Transform(*square, HostRealMatrix{1, 0, 0, 1, mh, mv});
            return;
        }
        HostPathSegment moved = square->segments[1];
        moved.p = {moved.p.h + mh, moved.p.v + mv};
        host_.Drawing().SetSegments(*square, 1, {&moved, 1});
    }

    std::optional<emulator::BrokenInvariant> Look(std::vector<std::string> actions) {
        return invariants_.Check(actions);
    }

    emulator::Host& host() { return host_; }
    Art* square = nullptr;

  private:
    emulator::Host host_;
    emulator::SelectionInvariants invariants_{host_};
};

struct SelectionCase {
    const char* name;
    std::function<void(Selected&)> event;
    std::vector<std::string> actions;
    const char* broken;  // the invariant's name, or null
};

const SelectionCase kCases[] = {
    {"a drag moving every anchor with the pointer",
     [](Selected& s) { s.Drag(12.5f, -3, 12.5f, -3); },
     {"drag"},
     nullptr},
    {"a drag moving the art farther than the pointer",
     [](Selected& s) { s.Drag(12.5f, -3, 12.5f, -4); },
     {"drag"},
     "selection moved unlike the pointer"},
    {"a drag leaving all but one anchor behind",
     [](Selected& s) { s.Drag(12.5f, -3, 12.5f, -3, true); },
     {"drag"},
     "selection moved unlike the pointer"},
    {"another tool's drag reshaping the selected art",
     [](Selected& s) {
         s.host().SelectTool(*s.host().Tools().Named(emulator::Toolbox::kPenToolName));
         s.Drag(12.5f, -3, 12.5f, -3, true);
     },
     {"drag"},
     nullptr},
    {"a panel edit reshaping the selected art",
     [](Selected& s) { s.Drag(0, 0, 12.5f, -3, true); },
     {"panel type"},
     nullptr},
    {"its layer locked behind the document's back",
     [](Selected& s) { s.host().Drawing().Current()->locked = true; },
     {"layer-lock"},
     "selection on a locked or hidden layer"},
    {"its layer locked as the document locks it",
     [](Selected& s) { s.host().Drawing().SetLocked(*s.host().Drawing().Current(), true); },
     {"layer-lock"},
     nullptr},
};

TEST(SelectionInvariants, HoldOrBreakAsEachChangeDeserves) {
    for (const SelectionCase& c : kCases) {
        Selected selected;
        ASSERT_FALSE(selected.Look({})) << c.name;
        c.event(selected);
        std::optional<emulator::BrokenInvariant> broken = selected.Look(c.actions);
        if (c.broken == nullptr)
            EXPECT_FALSE(broken) << c.name << ": " << broken->Line();
        else
            EXPECT_EQ(broken ? broken->name : "nothing", c.broken) << c.name;
    }
}

}  // namespace
