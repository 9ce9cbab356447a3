// The figure invariants find a finished figure changed by what did not aim at it, a figure
// made elsewhere than clicked or not of its kind, locked art changed and a gesture's
// leftovers, and nothing in what a sound plug-in does. The document is changed by hand
// between two looks, as a faulty plug-in or a sound one would change it.
#include "emulator/drivers/validator/figure_invariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "emulator/core/host.h"

namespace {

using emulator::Art;

// A started plug-in with its tool in hand, two figures A and B in the document.
class Figures {
  public:
    Figures() : host_(ORTAQ_PLUGIN_PATH) {
        std::string error;
        if (!host_.LoadPlugin(error)) throw std::runtime_error(error);
        host_.Start();
        host_.SelectTool(*host_.Tools().OwnedBy(host_.Plugin().Ref()));
        a = Figure("Quadrilatère", {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
        b = Figure("Quadrilatère", {{50, 50}, {60, 50}, {60, 60}, {50, 60}});
    }

    // A tagged path with these anchors in a group named GROUP, on top of the current layer.
    Art* Figure(const char* group, std::vector<HostRealPoint> anchors) {
        Art* made = Path(Group(group), anchors);
        made->closed = true;
        made->tags.push_back({"qqq", "string", "jj"});
        return made;
    }
    Art* Group(const char* name) {
        HostErr error = kHostNoError;
        Art* group = host_.Drawing().NewArt(kHostGroupArt, kHostPlaceInsideOnTop,
                                            host_.Drawing().Current()->group, error);
        group->name = name;
        return group;
    }
    Art* Path(Art* parent, const std::vector<HostRealPoint>& anchors) {
        HostErr error = kHostNoError;
        Art* path = host_.Drawing().NewArt(kHostPathArt, kHostPlaceInsideOnTop, parent, error);
        host_.Drawing().SetSegmentCount(*path, anchors.size());
        for (size_t i = 0; i < anchors.size(); ++i) Move(*path, i, anchors[i]);
        return path;
    }
    // The guide of a figure being clicked.
    void Guide() { Path(host_.Drawing().Current()->group, {{0, 0}, {5, 5}})->guide = true; }
    void Move(Art& path, size_t vertex, HostRealPoint to) {
        HostPathSegment segment{to, to, to, false};
        host_.Drawing().SetSegments(path, vertex, {&segment, 1});
    }
    // The clicks of a creation: the first makes its guide, a look follows each.
    void Clicks(std::initializer_list<HostRealPoint> points) {
        for (HostRealPoint at : points) {
            if (at.h == points.begin()->h && at.v == points.begin()->v) Guide();
            host_.Input().MoveTo(at);
            Look({"click"});
        }
    }

    // The look after an event in which ACTIONS began.
    std::optional<emulator::BrokenInvariant> Look(std::vector<std::string> actions) {
        return invariants_.Check(actions);
    }

    emulator::Host& host() { return host_; }

    Art* a = nullptr;
    Art* b = nullptr;

  private:
    emulator::Host host_;
    emulator::FigureInvariants invariants_{host_};
};

struct FigureCase {
    const char* name;
    std::function<void(Figures&)> before;  // the document at the first look
    std::function<void(Figures&)> event;   // what changes before the second
    std::vector<std::string> actions;      // the actions of that event
    const char* broken;                    // the invariant's name, or null
};

const HostRealPoint kAway{5, 3};

const FigureCase kCases[] = {
    {"a panel edit of the current figure",
     {},
     [](Figures& f) { f.Move(*f.a, 2, kAway); },
     {"panel type"},
     nullptr},
    {"a drag of a figure's vertex",
     {},
     [](Figures& f) { f.Move(*f.a, 2, kAway); },
     {"drag"},
     nullptr},
    {"a panel edit during a creation",
     [](Figures& f) { f.Guide(); },
     [](Figures& f) { f.Move(*f.a, 2, kAway); },
     {"panel slide"},
     "finished figure changed during a creation"},
    {"another tool's move during a creation",
     [](Figures& f) { f.Guide(); },
     [](Figures& f) { f.Move(*f.a, 2, kAway); },
     {"move-art"},
     nullptr},
    {"a pointer move that changes a figure",
     {},
     [](Figures& f) { f.Move(*f.a, 2, kAway); },
     {"move"},
     "finished figure changed by an action not aimed at it"},
    {"a panel edit that changes two figures",
     {},
     [](Figures& f) {
         f.Move(*f.a, 2, kAway);
         f.Move(*f.b, 2, kAway);
     },
     {"panel type"},
     "one action changed several finished figures"},
    {"a panel edit of a figure on a locked layer",
     [](Figures& f) { f.host().Drawing().Current()->locked = true; },
     [](Figures& f) { f.Move(*f.a, 2, kAway); },
     {"panel press"},
     "art on a locked layer changed"},
    {"a new figure on its clicks",
     [](Figures& f) {
         f.Clicks({{0, 0}, {4, 0}, {4, 3}, {0, 3}});
     },
     [](Figures& f) {
         f.Figure("Quadrilatère", {{0, 0}, {4, 0}, {4, 3}, {0, 3}});
     },
     {"up"},
     nullptr},
    {"a new figure turned away from its clicks",
     [](Figures& f) {
         f.Clicks({{0, 0}, {4, 0}, {4, 3}, {0, 3}});
     },
     [](Figures& f) {
         f.Figure("Quadrilatère", {{0, 0}, {0, -4}, {3, -4}, {3, 0}});
     },
     {"up"},
     "new figure not where it was clicked"},
    {"a new square that is not one",
     [](Figures& f) {
         f.Clicks({{0, 0}, {4, 0}});
     },
     [](Figures& f) {
         f.Figure("Carré", {{0, 0}, {4, 0}, {4, 9}, {0, 4}});
     },
     {"panel menu"},
     "new figure not of its kind"},
    {"a refused panel edit that changes the figure",
     {},
     [](Figures& f) {
         // The alert is answered by the event that follows it.
         f.host().Loop().Post({0, [&f] { f.host().AnswerAlert(); }});
         f.host().ShowAlert("Construction impossible !");
         f.Move(*f.a, 2, kAway);
     },
     {"panel type"},
     "refused action changed a finished figure"},
    {"a square dragged out of shape that keeps its name",
     [](Figures& f) { f.a->parent->name = "Carré"; },
     [](Figures& f) { f.Move(*f.a, 2, kAway); },
     {"drag"},
     "group named after a kind its figure is not"},
    // Built a million points away, float32 rounds its vertices to 1/16 point; moved back by
    // the panel, it keeps that shape, which is still the square's.
    {"a square built far away and moved back near the origin",
     [](Figures& f) {
         f.a = f.Figure("Carré", {{-999961.3125f, 183.9f},
                                  {-999964.1875f, 186.8f},
                                  {-999967.0625f, 183.925f},
                                  {-999964.1875f, 181.012466f}});
     },
     [](Figures& f) {
         const std::vector<HostRealPoint> near = {
             {38.6875f, 183.9f}, {35.8125f, 186.8f}, {32.9375f, 183.925f}, {35.8125f, 181.012466f}};
         for (size_t i = 0; i < near.size(); ++i) f.Move(*f.a, i, near[i]);
     },
     {"panel type"},
     nullptr},
    {"a new figure on a press the layer refused",
     [](Figures& f) {
         f.Clicks({{0, 0}, {4, 0}, {4, 3}});
         f.host().Input().MoveTo(HostRealPoint{9, 9});
         emulator::Host& host = f.host();
         host.Loop().Post({0, [&host] { host.AnswerAlert(); }});
         host.ShowAlert("Impossible. Calque verrouillé.");
         f.Look({"click"});
     },
     [](Figures& f) {
         f.Figure("Quadrilatère", {{0, 0}, {4, 0}, {4, 3}, {9, 9}});
     },
     {"up"},
     "new figure not where it was clicked"},
    {"a figure the user deleted",
     {},
     [](Figures& f) { f.host().Drawing().Dispose(*f.a); },
     {"delete-art"},
     nullptr},
    {"a figure gone on a click",
     {},
     [](Figures& f) { f.host().Drawing().Dispose(*f.a); },
     {"click"},
     "finished figure lost"},
    {"a guide after the plug-in quit",
     [](Figures& f) { f.Guide(); },
     [](Figures& f) { f.host().Quit(); },
     {"quit"},
     "guide outlived its gesture"},
    {"an empty group after the tool was left",
     [](Figures& f) { f.Group("Rectangle"); },
     [](Figures& f) { f.host().SelectTool(*f.host().Tools().Named("Adobe Selection Tool")); },
     {"select-tool"},
     "empty group outlived its gesture"},
};

TEST(FigureInvariants, FindWhatAFaultyGestureDoesAndNothingInASoundOne) {
    for (const FigureCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Figures figures;
        if (c.before) c.before(figures);
        ASSERT_FALSE(figures.Look({}));
        c.event(figures);
        std::optional<emulator::BrokenInvariant> broken = figures.Look(c.actions);
        if (c.broken == nullptr)
            EXPECT_FALSE(broken) << broken->Line();
        else
            EXPECT_EQ(broken ? broken->name : "none", c.broken);
    }
}

}  // namespace
