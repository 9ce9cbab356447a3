// Creating the quadrilaterals of the four kinds other than the arbitrary one by clicks: the
// tool's handlers called in turn with the cursor of each click and the kind flag set.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "emulator/output/state.h"
#include "tests/support/case_name.h"
#include "tests/support/plugin_in_process.h"
#include "tests/support/state_lookup.h"

namespace {

struct KindCase {
    std::string name;
    HostBool32 Globals::*kind;
    std::vector<HostRealPoint> clicks;
    std::vector<HostRealPoint> vertices;  // of the path made
    std::string group;
};

class CreationByKind : public PluginInProcess, public ::testing::WithParamInterface<KindCase> {
  protected:
    // The document holds one figure of C's kind, with C's vertices.
    void ExpectFigure(const KindCase& c) const {
        emulator::Json state = emulator::HostState(host);
        std::vector<emulator::Json> groups = Groups(state);
        ASSERT_EQ(groups.size(), 1u);
        EXPECT_EQ(groups[0].at("name"), c.group);
        ASSERT_EQ(groups[0].at("art").size(), 1u);
        std::vector<Point> anchors = Anchors(groups[0].at("art").at(0));
        ASSERT_EQ(anchors.size(), 4u);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(anchors[i].first, c.vertices[i].h, 1e-3) << "vertex " << i + 1;
            EXPECT_NEAR(anchors[i].second, c.vertices[i].v, 1e-3) << "vertex " << i + 1;
        }
    }
    size_t FiguresMade() const { return ArtPaths(emulator::HostState(host)).size(); }
};

TEST_P(CreationByKind, TheLastClickOfTheKindWritesItsFigure) {
    const KindCase& c = GetParam();
    globals.*c.kind = 1;
    for (size_t i = 0; i + 1 < c.clicks.size(); ++i) {
        Click(c.clicks[i]);
        EXPECT_EQ(FiguresMade(), 0u) << "after click " << i + 1;
    }
    Click(c.clicks.back());
    ExpectFigure(c);
    EXPECT_EQ(globals.NbClics, 0);
    EXPECT_TRUE(host.AlertsShown().empty());
}

// Side 1 from (0, 0) to (100, 0) unless said otherwise; the vertical axis points up, so a
// quarter turn counter-clockwise from side 1 points up.
INSTANTIATE_TEST_SUITE_P(Kinds, CreationByKind,
                         ::testing::Values(KindCase{"SquareTurnsCounterClockwiseFromSide1",
                                                    &Globals::FormeCarre,
                                                    {{0, 0}, {100, 0}},
                                                    {{0, 0}, {100, 0}, {100, 100}, {0, 100}},
                                                    "Carré"},
                                           KindCase{"SquareOnASlantedSide",
                                                    &Globals::FormeCarre,
                                                    {{10, 20}, {40, 60}},
                                                    {{10, 20}, {40, 60}, {0, 90}, {-30, 50}},
                                                    "Carré"},
                                           KindCase{"SquareOnASideToTheLeft",
                                                    &Globals::FormeCarre,
                                                    {{100, 0}, {0, 0}},
                                                    {{100, 0}, {0, 0}, {0, -100}, {100, -100}},
                                                    "Carré"},
                                           // The third click only gives side 2's length and side.
                                           KindCase{"RectangleOnTheCounterClockwiseSide",
                                                    &Globals::FormeRectangle,
                                                    {{0, 0}, {100, 0}, {130, 40}},
                                                    {{0, 0}, {100, 0}, {100, 50}, {0, 50}},
                                                    "Rectangle"},
                                           KindCase{"RectangleOnTheClockwiseSide",
                                                    &Globals::FormeRectangle,
                                                    {{0, 0}, {100, 0}, {130, -40}},
                                                    {{0, 0}, {100, 0}, {100, -50}, {0, -50}},
                                                    "Rectangle"},
                                           KindCase{"RectangleOnTheClockwiseSideOfASlantedSide",
                                                    &Globals::FormeRectangle,
                                                    {{0, 0}, {30, 40}, {70, 10}},
                                                    {{0, 0}, {30, 40}, {70, 10}, {40, -30}},
                                                    "Rectangle"},
                                           KindCase{"RectangleWithTheThirdClickOnSide1sLine",
                                                    &Globals::FormeRectangle,
                                                    {{0, 0}, {100, 0}, {150, 0}},
                                                    {{0, 0}, {100, 0}, {100, 50}, {0, 50}},
                                                    "Rectangle"},
                                           // Side 2 towards the cursor, as long as side 1.
                                           KindCase{"Rhombus",
                                                    &Globals::FormeLosange,
                                                    {{0, 0}, {100, 0}, {130, 40}},
                                                    {{0, 0}, {100, 0}, {160, 80}, {60, 80}},
                                                    "Losange"},
                                           KindCase{"RhombusWithTheCursorBelow",
                                                    &Globals::FormeLosange,
                                                    {{0, 0}, {100, 0}, {70, -40}},
                                                    {{0, 0}, {100, 0}, {40, -80}, {-60, -80}},
                                                    "Losange"},
                                           KindCase{"Parallelogram",
                                                    &Globals::FormeParallelogramme,
                                                    {{0, 0}, {100, 0}, {130, 40}},
                                                    {{0, 0}, {100, 0}, {130, 40}, {30, 40}},
                                                    "Parallélogramme"}),
                         CaseName<KindCase>);

class CoincidentClicksByKind : public CreationByKind {};

bool Finite(HostRealPoint point) {
    return std::isfinite(point.h) && std::isfinite(point.v);
}

TEST_P(CoincidentClicksByKind, LeaveTheRecordAndTheDocumentFinite) {
    const KindCase& c = GetParam();
    globals.*c.kind = 1;
    for (const HostRealPoint& click : c.clicks) {
        Click(click);
        for (const HostPathSegment& s : globals.Sommets)
            EXPECT_TRUE(Finite(s.p) && Finite(s.in) && Finite(s.out)) << c.name;
        for (float value : {globals.Cote1, globals.Cote2, globals.Cote3, globals.Cote4,
                            globals.Diagonale1, globals.Diagonale2, globals.Inclinaison})
            EXPECT_TRUE(std::isfinite(value)) << c.name;
    }
    EXPECT_TRUE(std::isfinite(globals.AirePoints));
    // The figure was written, not refused, and every coordinate of the document is a number.
    EXPECT_TRUE(host.AlertsShown().empty());
    EXPECT_EQ(NullsIn(Document()), std::vector<std::string>{});
    ExpectFigure(c);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CoincidentClicksByKind,
                         ::testing::Values(KindCase{"SquareOnOnePoint",
                                                    &Globals::FormeCarre,
                                                    {{10, 10}, {10, 10}},
                                                    {{10, 10}, {10, 10}, {10, 10}, {10, 10}},
                                                    "Carré"},
                                           KindCase{"RectangleWithVertex2OnVertex1",
                                                    &Globals::FormeRectangle,
                                                    {{0, 0}, {0, 0}, {30, 40}},
                                                    {{0, 0}, {0, 0}, {0, 50}, {0, 50}},
                                                    "Rectangle"},
                                           KindCase{"RectangleWithTheThirdClickOnVertex2",
                                                    &Globals::FormeRectangle,
                                                    {{0, 0}, {100, 0}, {100, 0}},
                                                    {{0, 0}, {100, 0}, {100, 0}, {0, 0}},
                                                    "Rectangle"},
                                           KindCase{"RectangleOnOnePoint",
                                                    &Globals::FormeRectangle,
                                                    {{5, 5}, {5, 5}, {5, 5}},
                                                    {{5, 5}, {5, 5}, {5, 5}, {5, 5}},
                                                    "Rectangle"},
                                           KindCase{"RhombusWithVertex2OnVertex1",
                                                    &Globals::FormeLosange,
                                                    {{0, 0}, {0, 0}, {30, 40}},
                                                    {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
                                                    "Losange"},
                                           KindCase{"RhombusWithTheThirdClickOnVertex2",
                                                    &Globals::FormeLosange,
                                                    {{0, 0}, {100, 0}, {100, 0}},
                                                    {{0, 0}, {100, 0}, {200, 0}, {100, 0}},
                                                    "Losange"},
                                           KindCase{"ParallelogramWithTheThirdClickOnVertex1",
                                                    &Globals::FormeParallelogramme,
                                                    {{0, 0}, {100, 0}, {0, 0}},
                                                    {{0, 0}, {100, 0}, {0, 0}, {-100, 0}},
                                                    "Parallélogramme"},
                                           KindCase{"ParallelogramOnOnePoint",
                                                    &Globals::FormeParallelogramme,
                                                    {{7, 7}, {7, 7}, {7, 7}},
                                                    {{7, 7}, {7, 7}, {7, 7}, {7, 7}},
                                                    "Parallélogramme"}),
                         CaseName<KindCase>);

}  // namespace
