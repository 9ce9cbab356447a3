// The invariants find what a faulty plug-in would leave in the host, and nothing in what a
// sound one leaves.
#include "emulator/drivers/validator/invariants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "emulator/core/host.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct PathShape {
    const char* group;  // the group's name, or null for a path at the layer's top
    size_t segments;
    bool closed;
    bool tagged;
    float firstH;  // the first anchor's horizontal coordinate
};

struct InvariantCase {
    const char* what;
    PathShape shape;
    const char* broken;  // the invariant's name, or null
};

// A host with one path of SHAPE in its document.
class DocumentFixture {
  public:
    explicit DocumentFixture(const PathShape& shape) : host_(ORTAQ_PLUGIN_PATH) {
        emulator::Document& document = host_.Drawing();
        HostErr error = kHostNoError;
        emulator::Art* parent = document.LayerAt(0)->group;
        if (shape.group != nullptr) {
            parent = document.NewArt(kHostGroupArt, kHostPlaceInsideOnTop, parent, error);
            parent->name = shape.group;
        }
        emulator::Art* path = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, parent, error);
        std::vector<HostPathSegment> segments(shape.segments);
        for (size_t i = 0; i < segments.size(); ++i) {
            HostRealPoint p{static_cast<float>(10 * i), static_cast<float>(5 * i)};
            segments[i] = {p, p, p, false};
        }
        if (!segments.empty()) segments[0].p.h = shape.firstH;
        document.SetSegmentCount(*path, segments.size());
        document.SetSegments(*path, 0, segments);
        path->closed = shape.closed;
        if (shape.tagged) path->tags.push_back({"qqq", "string", "jj"});
    }

    emulator::Host& host() { return host_; }

  private:
    emulator::Host host_;
};

TEST(Invariants, FindTheFaultsAPluginCouldLeaveInTheDocument) {
    const InvariantCase cases[] = {
        {"a figure as the tool makes it", {"Carré", 4, true, true, 0}, nullptr},
        {"another tool's open path of any size", {nullptr, 3, false, false, 0}, nullptr},
        {"a NaN anchor", {nullptr, 3, false, false, kNaN}, "non-finite coordinate"},
        {"an infinite anchor in a figure",
         {"Losange", 4, true, true, std::numeric_limits<float>::infinity()},
         "non-finite coordinate"},
        {"a figure of three segments",
         {"Rectangle", 3, true, true, 0},
         "tool path not a closed quadrilateral"},
        {"an open figure", {"Carré", 4, false, true, 0}, "tool path not a closed quadrilateral"},
        {"a figure in a group named otherwise",
         {"Groupe", 4, true, true, 0},
         "tool path not in a group named after a kind"},
        {"a figure outside any group of its own",
         {nullptr, 4, true, true, 0},
         "tool path not in a group named after a kind"},
    };
    for (const InvariantCase& c : cases) {
        SCOPED_TRACE(c.what);
        DocumentFixture fixture(c.shape);
        std::optional<emulator::BrokenInvariant> broken =
            emulator::Invariants(fixture.host()).Check();
        if (c.broken == nullptr)
            EXPECT_FALSE(broken) << broken->Line();
        else
            EXPECT_EQ(broken ? broken->name : "none", c.broken);
    }
}

TEST(Invariants, AHostErrorIsAFinding) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    emulator::Invariants invariants(host);
    EXPECT_FALSE(invariants.Check());
    host.Misuse("a stale handle");
    std::optional<emulator::BrokenInvariant> broken = invariants.Check();
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->Line(), "host error: a stale handle");
}

// The host refuses start-up, shut-down and unloading while a procedure of the plug-in runs
// (one that opened a modal window, say); the invariant finds one sent all the same.
TEST(Invariants, ALifecycleMessageWhileThePluginsCodeRunsIsAFinding) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    std::string error;
    ASSERT_TRUE(host.LoadPlugin(error)) << error;
    host.Start();
    emulator::Invariants invariants(host);
    ASSERT_FALSE(invariants.Check());
    {
        emulator::PluginConnection::ProcedureCall inCode(host.Plugin());
        EXPECT_THROW(host.Quit(), std::runtime_error);
        EXPECT_THROW(host.Unload(), std::runtime_error);
        EXPECT_THROW(host.Start(), std::runtime_error);
        EXPECT_FALSE(invariants.Check());
        host.Plugin().SendEmpty(kSPInterfaceCaller,
                                kSPInterfaceShutdownSelector);  // behind its back
    }
    std::optional<emulator::BrokenInvariant> broken = invariants.Check();
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->Line(),
              "lifecycle message while the plug-in's code runs: SP Interface/Shutdown");
}

}  // namespace
