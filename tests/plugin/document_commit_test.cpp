// Creating the path and committing the vertices into it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "geometry/mesures.h"
#include "geometry/quadrilatere.h"
#include "panel/construction.h"
#include "plugin/hote/suites.h"
#include "tests/support/plugin_in_process.h"
#include "tool/trace.h"

namespace {

class Commit : public PluginInProcess {
  protected:
    bool refused = false;
    // A quadrilateral made as the tool makes one: group, path, commit.
    void MakeQuadrilateral(HostRealPoint v1, HostRealPoint v2, HostRealPoint v3, HostRealPoint v4) {
        globals.GroupePret = 0;
        globals.TraceCree = 0;
        ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
        CreeTrace();
        PlaceVertices(v1, v2, v3, v4);
        globals.Inclinaison = Inclinaison(AncresDe(globals.Sommets));
        ASSERT_EQ(EcritTrace(), kHostNoError);
    }
    emulator::Json Path(size_t group = 0) const {
        return LayerState(0).at("art").at(group).at("art").at(0);
    }
    static std::vector<std::pair<double, double>> Anchors(const emulator::Json& path) {
        std::vector<std::pair<double, double>> anchors;
        for (const emulator::Json& segment : path.at("segments"))
            anchors.emplace_back(segment.at("p").at(0).get<double>(),
                                 segment.at("p").at(1).get<double>());
        return anchors;
    }
};

TEST_F(Commit, TheToolsPathIsClosedTaggedAndHoldsTheVertices) {
    MakeQuadrilateral({0, 0}, {100, 0}, {100, 50}, {0, 50});
    emulator::Json path = Path();
    EXPECT_EQ(path.at("type").get<std::string>(), "path");
    EXPECT_TRUE(path.at("closed").get<bool>());
    EXPECT_FALSE(path.at("guide").get<bool>());
    EXPECT_EQ(path.at("tags").at("qqq").get<std::string>(), "jj");
    EXPECT_EQ(Anchors(path),
              (std::vector<std::pair<double, double>>{{0, 0}, {100, 0}, {100, 50}, {0, 50}}));
    for (const emulator::Json& segment : path.at("segments"))
        EXPECT_EQ(segment.at("in").dump(), segment.at("p").dump());
    EXPECT_FLOAT_EQ(globals.AirePoints, 5000);
}

TEST_F(Commit, TurningToThePresentInclinationLeavesTheVerticesExactly) {
    HostRealPoint v[4] = {{0.1f, 10.3f}, {97.7f, 3.3f}, {103.9f, 61.1f}, {-4.4f, 47.5f}};
    MakeQuadrilateral(v[0], v[1], v[2], v[3]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(globals.Sommets[i].p.h, v[i].h);
        EXPECT_EQ(globals.Sommets[i].p.v, v[i].v);
    }
}

TEST_F(Commit, TheFigureTurnsAboutVertex1ToTheInclination) {
    MakeQuadrilateral({10, 10}, {60, 10}, {60, 30}, {10, 30});
    globals.Inclinaison = static_cast<float>(std::numbers::pi);  // vertex 4 to the left
    ASSERT_EQ(EcritTrace(), kHostNoError);
    auto anchors = Anchors(Path());
    EXPECT_EQ(anchors[0], (std::pair<double, double>{10, 10}));
    EXPECT_NEAR(anchors[3].first, -10, 1e-4);
    EXPECT_NEAR(anchors[3].second, 10, 1e-4);
    EXPECT_NEAR(anchors[1].first, 10, 1e-4);
    EXPECT_NEAR(anchors[1].second, 60, 1e-4);
    // The vertices are read back from the path.
    EXPECT_NEAR(globals.Sommets[3].p.h, -10, 1e-4);
    EXPECT_NEAR(std::fabs(Inclinaison(AncresDe(globals.Sommets))), std::numbers::pi, 1e-6);
}

TEST_F(Commit, ARefusedTriangleLeavesThePathAndSaysSo) {
    MakeQuadrilateral({0, 0}, {100, 0}, {100, 100}, {0, 100});
    globals.Cote1 = 100;
    globals.Cote2 = 300;
    globals.Cote3 = globals.Cote4 = 100;
    globals.Diagonale1Active = 1;
    emulator::Json before = Path();
    EXPECT_EQ(Construire(Longueur::Cote2, Forme::Quelconque), kHostNoError);
    EXPECT_EQ(host.AlertsShown(), std::vector<std::string>{"Construction impossible !"});
    EXPECT_EQ(Path().dump(), before.dump());

    // The same figure with side 2 at 100 again: vertex 2 is recomputed at (100, 0), on the
    // side of diagonal 1 where it stood, and diagonal 2 follows.
    globals.Constructible = 1;
    globals.Cote2 = 100;
    PlacerSommet(globals.Sommets[1], {130, -40});
    globals.Diagonale2 = 0;
    EXPECT_EQ(Construire(Longueur::Cote2, Forme::Quelconque), kHostNoError);
    auto anchors = Anchors(Path());
    EXPECT_NEAR(anchors[1].first, 100, 1e-3);
    EXPECT_NEAR(anchors[1].second, 0, 1e-3);
    EXPECT_NEAR(globals.Diagonale2, 141.42f, 0.01);
    EXPECT_EQ(host.AlertsShown().size(), 1u);
}

TEST_F(Commit, NonFiniteVerticesAreNeverWritten) {
    MakeQuadrilateral({0, 0}, {100, 0}, {100, 100}, {0, 100});
    emulator::Json before = Path();
    for (float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        globals.Sommets[2].p.h = bad;
        EXPECT_EQ(EcritTrace(), kHostNoError);
        EXPECT_EQ(Path().dump(), before.dump());
        globals.Sommets[2].p.h = 100;
    }
    globals.Inclinaison = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(EcritTrace(), kHostNoError);
    EXPECT_EQ(Path().dump(), before.dump());
    EXPECT_EQ(host.AlertsShown(), std::vector<std::string>(3, "Construction impossible !"));
}

TEST_F(Commit, ADeletedPathIsLeftAloneAndTheCommitSucceeds) {
    MakeQuadrilateral({0, 0}, {100, 0}, {100, 100}, {0, 100});
    sAIArt()->DisposeArt(globals.TraceCourant);
    emulator::Json before = Document();
    globals.Constructible = 0;  // not even the refusal is shown
    EXPECT_EQ(EcritTrace(), kHostNoError);
    EXPECT_EQ(Document().dump(), before.dump());
    EXPECT_TRUE(host.AlertsShown().empty());
    EXPECT_TRUE(host.Errors().empty());
}

TEST_F(Commit, ALastClickWithoutAPreparedGroupMakesNoPathAndSparesTheOlderOne) {
    MakeQuadrilateral({0, 0}, {100, 0}, {100, 100}, {0, 100});
    emulator::Json before = Document();
    // The next creation's group could not be prepared (a locked layer refused it).
    globals.GroupePret = 0;
    globals.TraceCree = 0;
    CreeTrace();
    EXPECT_EQ(globals.TraceCourant, nullptr);
    PlaceVertices({5, 5}, {50, 5}, {50, 50}, {5, 50});
    EXPECT_EQ(EcritTrace(), kHostNoError);
    EXPECT_EQ(Document().dump(), before.dump());
}

TEST_F(Commit, EachGestureMakesOnePath) {
    MakeQuadrilateral({0, 0}, {100, 0}, {100, 100}, {0, 100});
    HostArtHandle first = globals.TraceCourant;
    CreeTrace();  // the same gesture: TraceCree is set
    EXPECT_EQ(globals.TraceCourant, first);
    EXPECT_EQ(LayerState(0).at("art").at(0).at("art").size(), 1u);
}

TEST_F(Commit, DisposingArtChecksItFirst) {
    MakeQuadrilateral({0, 0}, {100, 0}, {100, 100}, {0, 100});
    HostArtHandle path = globals.TraceCourant;
    DetruitArt(&path);
    EXPECT_FALSE(sAIArt()->ValidArt(path, true));
    EXPECT_EQ(path, globals.TraceCourant);  // the handle keeps its stale value
    DetruitArt(&path);                      // already gone: nothing happens
    EXPECT_TRUE(host.Errors().empty());
}

}  // namespace
