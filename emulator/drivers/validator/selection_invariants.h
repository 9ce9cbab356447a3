// What must hold of the host's selection from one look at the document to the next: it is
// live art of an editable layer, directly inside the layer's top-level group, and a drag
// of the selection tool moves every point of it by the pointer's displacement.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/drivers/validator/broken_invariant.h"
#include "host/types.h"

namespace emulator {

class Host;
struct Art;

class SelectionInvariants {
  public:
    explicit SelectionInvariants(const Host& host) : host_(host) {}

    // Looks at the selection after an event during which the driver began ACTIONS (by
    // name), against what the last look saw. The first broken invariant, or none.
    std::optional<BrokenInvariant> Check(const std::vector<std::string>& actions);

  private:
    bool SelectionToolInHand() const;
    std::optional<BrokenInvariant> CheckMove(const Art& selection) const;
    void Remember();

    const Host& host_;
    // What the last look saw: the selection, every anchor of its paths, and the pointer.
    HostArtHandle selected_ = nullptr;
    std::vector<HostRealPoint> anchors_;
    std::optional<HostRealPoint> pointer_;
};

}  // namespace emulator
