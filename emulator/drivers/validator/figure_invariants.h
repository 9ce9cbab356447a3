// What must hold of the user's figures from one look at the document to the next: a finished
// figure changes only through an action aimed at it, a figure is made where it was clicked,
// nothing of a gesture outlives it, and locked art stays as it is.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "emulator/drivers/validator/broken_invariant.h"
#include "host/types.h"

namespace emulator {

class Host;
struct Art;

class FigureInvariants {
  public:
    explicit FigureInvariants(const Host& host) : host_(host) {}

    // Looks at the document after an event during which the driver began ACTIONS (by
    // name), against what the last look saw. The first broken invariant, or none.
    std::optional<BrokenInvariant> Check(const std::vector<std::string>& actions);

  private:
    // A path as a look saw it.
    struct PathLook {
        std::vector<HostPathSegment> segments;
        bool closed = false;
        bool tagged = false;  // made by the tool
        bool locked = false;  // on a locked layer
        bool guide = false;
    };

    std::optional<BrokenInvariant> CheckChange(const Art& path, const PathLook& before,
                                               const std::vector<std::string>& actions,
                                               int& figuresEdited) const;
    std::optional<BrokenInvariant> CheckNewFigure(const Art& path) const;
    std::optional<BrokenInvariant> CheckLoss(const std::vector<std::string>& actions) const;
    std::optional<BrokenInvariant> CheckResidue() const;
    // The groups at the top of every layer, where the tool puts its figures.
    std::vector<const Art*> TopGroups() const;
    void Remember();
    // The largest coordinate PATH's anchors have had, this look's included.
    double Farthest(const Art& path);
    // After a drawing is opened: the paths of before are forgotten, and the guides and
    // empty groups it brought are kept apart.
    void ForgetBeforeOpen();

    const Host& host_;
    bool looked_ = false;
    std::map<HostArtHandle, PathLook> paths_;
    // A figure was being clicked at the last look: a guide, or the empty group of a figure
    // not made yet, was in the document.
    bool creationUnderWay_ = false;
    // Where the button went down since the creation under way began, the latest last.
    std::vector<HostRealPoint> presses_;
    size_t alertsSeen_ = 0;
    // An alert was shown during the event looked at.
    bool alerted_ = false;
    // The groups seen holding art at some look.
    std::set<HostArtHandle> groupsFilled_;
    std::map<HostArtHandle, double> farthest_;
    // The guides and empty groups the last drawing opened brought.
    std::set<HostArtHandle> opened_;
    // The top layer's group at the last look: gone once a drawing replaced the layers.
    HostArtHandle topGroup_ = nullptr;
};

}  // namespace emulator
