// Selecting the tool after a kind was chosen in the panel's menu: the kind goes back to the
// arbitrary quadrilateral, in the record, in the menu's check marks and in the clicks.
#include <gtest/gtest.h>

#include <string>

#include "emulator/output/state.h"
#include "panel/menu_panneau.h"
#include "plugin/outil.h"
#include "tests/support/case_name.h"
#include "tests/support/plugin_in_process.h"
#include "tests/support/state_lookup.h"

namespace {

struct KindCase {
    std::string name;
    HostBool32 Globals::*kind;
    int entry;  // of the panel's menu
};

class SelectingTheTool : public PluginWithPanel, public ::testing::WithParamInterface<KindCase> {
  protected:
    // The panel menu's entries 1 to 5 that are checked.
    std::vector<int> CheckedKinds() const {
        emulator::Json state = emulator::HostState(host);
        std::vector<int> checked;
        for (const emulator::Json& entry : PanelItem(state, -5).at("entries")) {
            int id = entry.at("id").get<int>();
            if (id >= 1 && id <= 5 && entry.at("checked").get<bool>()) checked.push_back(id);
        }
        return checked;
    }
};

TEST_P(SelectingTheTool, ReturnsTheKindToTheArbitraryQuadrilateral) {
    const KindCase& c = GetParam();
    globals.*c.kind = 1;
    CocherFormes();
    ASSERT_EQ(CheckedKinds(), (std::vector<int>{1, c.entry}));
    // A creation under way, its group made.
    Click({0, 0});
    ASSERT_TRUE(globals.GroupePret);

    EXPECT_EQ(SelectionOutil(&message), kHostNoError);
    EXPECT_FALSE(globals.FormeCarre || globals.FormeRectangle || globals.FormeLosange ||
                 globals.FormeParallelogramme);
    EXPECT_TRUE(globals.FormeQuelconque);
    EXPECT_EQ(globals.NbClics, 0);
    EXPECT_FALSE(globals.GroupePret);
    EXPECT_FALSE(globals.TraceCree);
    EXPECT_EQ(CheckedKinds(), std::vector<int>{1});

    // Three clicks complete no kind but the arbitrary one's four.
    for (HostRealPoint point : {HostRealPoint{100, 100}, {200, 100}, {200, 200}}) Click(point);
    EXPECT_TRUE(ArtPaths(emulator::HostState(host)).empty());
    Click({100, 200});
    EXPECT_EQ(ArtPaths(emulator::HostState(host)).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SelectingTheTool,
                         ::testing::Values(KindCase{"Square", &Globals::FormeCarre, 2},
                                           KindCase{"Rectangle", &Globals::FormeRectangle, 3},
                                           KindCase{"Rhombus", &Globals::FormeLosange, 4},
                                           KindCase{"Parallelogram", &Globals::FormeParallelogramme,
                                                    5}),
                         CaseName<KindCase>);

}  // namespace
