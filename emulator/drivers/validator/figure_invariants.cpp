#include "emulator/drivers/validator/figure_invariants.h"

#include <algorithm>
#include <cmath>

#include "emulator/core/host.h"

namespace emulator {
namespace {

using Broken = std::optional<BrokenInvariant>;

constexpr const char* kToolTag = "qqq";

bool Tagged(const Art& path) {
    return std::any_of(path.tags.begin(), path.tags.end(),
                       [](const Tag& tag) { return tag.name == kToolTag; });
}

bool Began(const std::vector<std::string>& actions, const std::string& name) {
    return std::find(actions.begin(), actions.end(), name) != actions.end();
}

// An action that puts the whole document in another state it had: the history's own
// invariants check those.
bool DocumentReplaced(const std::vector<std::string>& actions) {
    return Began(actions, "undo") || Began(actions, "redo");
}

// An action of the panel or of a dialog of the plug-in's: an edit of the current figure.
bool PanelEdit(const std::vector<std::string>& actions) {
    return std::any_of(actions.begin(), actions.end(), [](const std::string& name) {
        return name.starts_with("panel ") || name.starts_with("dialog ");
    });
}

bool SameSegments(const std::vector<HostPathSegment>& a, const std::vector<HostPathSegment>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const HostPathSegment& s, const HostPathSegment& t) {
                          return s.p.h == t.p.h && s.p.v == t.p.v && s.in.h == t.in.h &&
                                 s.in.v == t.in.v && s.out.h == t.out.h && s.out.v == t.out.v;
                      });
}

double Length(HostRealPoint p, HostRealPoint q) {
    return std::hypot(double{q.h} - p.h, double{q.v} - p.v);
}

std::string Point(HostRealPoint p) {
    return "(" + std::to_string(p.h) + ", " + std::to_string(p.v) + ")";
}

// The float32 constructions round: lengths agree to a part in ten thousand of the figure,
// and to a few float steps of its coordinates far from the origin.
struct Tolerance {
    double size;
    double magnitude;  // the largest coordinate
    bool Same(double a, double b) const {
        return std::abs(a - b) <= 1e-4 * size + 1e-6 * magnitude + 1e-3;
    }
    bool Same(HostRealPoint p, HostRealPoint q) const { return Same(Length(p, q), 0); }
};

double Magnitude(const HostRealPoint v[4]) {
    double largest = 0;
    for (int i = 0; i < 4; ++i)
        largest = std::max({largest, std::abs(double{v[i].h}), std::abs(double{v[i].v})});
    return largest;
}

// Whether the four anchors V make a figure of the kind the group NAME gives.
// FARTHEST: the largest coordinate the figure's points have had. A figure built far from the
// origin keeps the rounding of float32 there when it is moved back near it.
bool OfItsKind(const std::string& name, const HostRealPoint v[4], double farthest = 0) {
    double sides[4], diagonals[2] = {Length(v[0], v[2]), Length(v[1], v[3])};
    for (int i = 0; i < 4; ++i) sides[i] = Length(v[i], v[(i + 1) % 4]);
    Tolerance t{*std::max_element(diagonals, diagonals + 2) + *std::max_element(sides, sides + 4),
                std::max(Magnitude(v), farthest)};
    bool opposite = t.Same(sides[0], sides[2]) && t.Same(sides[1], sides[3]);
    bool equal = opposite && t.Same(sides[0], sides[1]);
    bool rightAngled = t.Same(diagonals[0], diagonals[1]);
    if (name == "Carré") return equal && rightAngled;
    if (name == "Rectangle") return opposite && rightAngled;
    if (name == "Losange") return equal;
    if (name == "Parallélogramme") return opposite;
    return true;
}

// A group named after a kind holds a figure of that kind, however it was reshaped since.
Broken CheckKind(const Art& path, double farthest) {
    if (path.segments.size() != 4 || path.parent == nullptr) return std::nullopt;
    HostRealPoint v[4];
    for (int i = 0; i < 4; ++i) v[i] = path.segments[i].p;
    if (OfItsKind(path.parent->name, v, farthest)) return std::nullopt;
    return BrokenInvariant{"group named after a kind its figure is not",
                           "\"" + path.parent->name + "\" " + Point(v[0]) + " " + Point(v[1]) +
                               " " + Point(v[2]) + " " + Point(v[3])};
}

}  // namespace

Broken FigureInvariants::CheckChange(const Art& path, const PathLook& before,
                                     const std::vector<std::string>& actions,
                                     int& figuresEdited) const {
    if (SameSegments(path.segments, before.segments) && path.closed == before.closed)
        return std::nullopt;
    std::string where = "a path of layer \"" + path.layer->title + "\"";
    // The guide is the gesture's own feedback, not the user's art.
    if (before.locked && path.layer->locked && !path.guide)
        return BrokenInvariant{"art on a locked layer changed", where};
    // Another tool moving the figure is the user's own action.
    if (!before.tagged || Began(actions, "move-art")) return std::nullopt;
    if (creationUnderWay_)
        return BrokenInvariant{"finished figure changed during a creation", where};
    // An alert answers an edit or a drag step the plug-in refused: it leaves the figure.
    if (alerted_) return BrokenInvariant{"refused action changed a finished figure", where};
    if (!Began(actions, "drag") && !PanelEdit(actions))
        return BrokenInvariant{"finished figure changed by an action not aimed at it", where};
    if (++figuresEdited > 1)
        return BrokenInvariant{"one action changed several finished figures", where};
    return std::nullopt;
}

Broken FigureInvariants::CheckNewFigure(const Art& path) const {
    if (path.segments.size() != 4 || path.parent == nullptr) return std::nullopt;
    HostRealPoint v[4];
    for (int i = 0; i < 4; ++i) v[i] = path.segments[i].p;
    const std::string& kind = path.parent->name;
    std::string where = "a new \"" + kind + "\" " + Point(v[0]) + " " + Point(v[1]) + " " +
                        Point(v[2]) + " " + Point(v[3]);
    if (!OfItsKind(kind, v)) return BrokenInvariant{"new figure not of its kind", where};
    // Vertices 1 and 2 are clicked for every kind, all four for the arbitrary one.
    Tolerance t{Length(v[0], v[2]) + Length(v[1], v[3]), Magnitude(v)};
    int clicked = kind == "Quadrilatère" ? 4 : 2;
    for (int i = 0; i < clicked; ++i)
        if (std::none_of(presses_.begin(), presses_.end(),
                         [&](HostRealPoint press) { return t.Same(press, v[i]); }))
            return BrokenInvariant{"new figure not where it was clicked",
                                   where + ": vertex " + std::to_string(i + 1)};
    return std::nullopt;
}

// Art goes from the document only when the user deletes it (`delete-art`, or a key on the
// selection); a guide goes with its gesture.
Broken FigureInvariants::CheckLoss(const std::vector<std::string>& actions) const {
    if (Began(actions, "delete-art") || Began(actions, "key")) return std::nullopt;
    for (const auto& [handle, look] : paths_)
        if (!look.guide && host_.Drawing().FindArt(handle) == nullptr)
            return BrokenInvariant{
                look.tagged ? "finished figure lost" : "art lost",
                "a path of " + std::to_string(look.segments.size()) + " segments"};
    return std::nullopt;
}

// A guide, or the empty group of a figure being clicked, lives only while the tool can go on
// with the gesture: the plug-in started and its tool current.
Broken FigureInvariants::CheckResidue() const {
    bool gestureLives = host_.Started() && host_.Tools().Current().owner == host_.Plugin().Ref() &&
                        !host_.Unloaded();
    if (gestureLives) return std::nullopt;
    for (Art* path : host_.Drawing().Paths())
        if (path->guide && !opened_.contains(host_.Drawing().HandleOf(path)))
            return BrokenInvariant{"guide outlived its gesture", path->layer->title};
    // A group the user emptied by deleting its figure is the user's doing.
    for (const Art* group : TopGroups())
        if (group->children.empty() && !group->name.empty() &&
            !groupsFilled_.contains(host_.Drawing().HandleOf(group)) &&
            !opened_.contains(host_.Drawing().HandleOf(group)))
            return BrokenInvariant{"empty group outlived its gesture",
                                   "\"" + group->name + "\" in \"" + group->layer->title + "\""};
    return std::nullopt;
}

std::vector<const Art*> FigureInvariants::TopGroups() const {
    std::vector<const Art*> groups;
    for (size_t i = 0; i < host_.Drawing().LayerCount(); ++i)
        for (const Art* art : host_.Drawing().LayerAt(i)->group->children)
            if (art->type == kHostGroupArt) groups.push_back(art);
    return groups;
}

void FigureInvariants::ForgetBeforeOpen() {
    paths_.clear();
    opened_.clear();
    for (Art* path : host_.Drawing().Paths())
        if (path->guide) opened_.insert(host_.Drawing().HandleOf(path));
    for (const Art* group : TopGroups())
        if (group->children.empty()) opened_.insert(host_.Drawing().HandleOf(group));
}

Broken FigureInvariants::Check(const std::vector<std::string>& actions) {
    // A drawing opened replaces the document (an open refused leaves its layers): what was
    // there before is no longer compared, and a guide or an empty group the file held is no
    // gesture's. A creation under way goes on with the presses it had.
    bool opened =
        looked_ && Began(actions, "open") && host_.Drawing().FindArt(topGroup_) == nullptr;
    bool creationWent = creationUnderWay_;
    if (opened) {
        looked_ = false;
        ForgetBeforeOpen();
    }
    // A figure is made of the presses of one creation, from the one that began it; a press
    // the layer refused, with its alert, places nothing.
    if (!creationUnderWay_) presses_.clear();
    alerted_ = host_.AlertsShown().size() > alertsSeen_;
    alertsSeen_ = host_.AlertsShown().size();
    if ((Began(actions, "down") || Began(actions, "click")) && host_.Input().Pointer() && !alerted_)
        presses_.push_back(*host_.Input().Pointer());
    int figuresEdited = 0;
    Broken broken;
    // The first look has nothing to compare with: what is there was there before.
    bool compare = looked_ && !DocumentReplaced(actions);
    for (Art* path : compare ? host_.Drawing().Paths() : std::vector<Art*>{}) {
        auto before = paths_.find(host_.Drawing().HandleOf(path));
        if (before != paths_.end())
            broken = CheckChange(*path, before->second, actions, figuresEdited);
        else if (Tagged(*path))
            broken = CheckNewFigure(*path);
        if (!broken && Tagged(*path)) broken = CheckKind(*path, Farthest(*path));
        if (broken) break;
    }
    if (!broken && compare) broken = CheckLoss(actions);
    if (!broken) broken = CheckResidue();
    Remember();
    if (opened) creationUnderWay_ = creationUnderWay_ || creationWent;
    looked_ = true;
    return broken;
}

double FigureInvariants::Farthest(const Art& path) {
    double& farthest = farthest_[host_.Drawing().HandleOf(&path)];
    for (const HostPathSegment& segment : path.segments)
        farthest =
            std::max({farthest, std::abs(double{segment.p.h}), std::abs(double{segment.p.v})});
    return farthest;
}

void FigureInvariants::Remember() {
    std::map<HostArtHandle, PathLook> looks;
    creationUnderWay_ = false;
    for (Art* path : host_.Drawing().Paths()) {
        PathLook look{path->segments, path->closed, Tagged(*path), path->layer->locked,
                      path->guide};
        HostArtHandle handle = host_.Drawing().HandleOf(path);
        if (look.tagged) Farthest(*path);
        creationUnderWay_ = creationUnderWay_ || (path->guide && !opened_.contains(handle));
        looks.emplace(handle, std::move(look));
    }
    paths_ = std::move(looks);
    topGroup_ = host_.Drawing().HandleOf(host_.Drawing().LayerAt(0)->group);
    // The group made at a creation's first click stays empty until the figure is made: it
    // tells a creation under way even when the user deleted its guide.
    for (const Art* group : TopGroups()) {
        HostArtHandle handle = host_.Drawing().HandleOf(group);
        if (!group->children.empty())
            groupsFilled_.insert(handle);
        else if (!group->name.empty() && !groupsFilled_.contains(handle) &&
                 !opened_.contains(handle))
            creationUnderWay_ = true;
    }
}

}  // namespace emulator
