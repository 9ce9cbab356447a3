// Preparing the group of the quadrilateral being clicked: which layer, locked layers,
// abandoned groups.
#include <gtest/gtest.h>

#include "plugin/hote/suites.h"
#include "tests/support/plugin_in_process.h"
#include "tool/trace.h"

namespace {

class PrepareGroup : public PluginInProcess {
  protected:
    emulator::Layer& AddLayer(const std::string& title, bool locked = false) {
        emulator::Layer* layer = host.Drawing().InsertLayer(nullptr, kHostPlaceAboveAll);
        layer->title = title;
        layer->locked = locked;
        return *layer;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        emulator::Json document = Document();
        for (const emulator::Json& layer : document.at("layers"))
            titles.push_back(layer.at("title").get<std::string>());
        return titles;
    }
    // Starts the next quadrilateral, as a completed creation or the tool's selection does.
    void NextQuadrilateral() { globals.GroupePret = 0; }

    bool refused = false;  // what the last preparation said of the click
};

TEST_F(PrepareGroup, MakesANamedGroupOnTopOfTheCurrentLayer) {
    EXPECT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    EXPECT_TRUE(globals.GroupePret);
    emulator::Json art = LayerState(0).at("art");
    ASSERT_EQ(art.size(), 1u);
    EXPECT_EQ(art.at(0).at("type").get<std::string>(), "group");
    EXPECT_EQ(art.at(0).at("name").get<std::string>(), "Quadrilatère");

    // Prepared already: nothing more is made.
    EXPECT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    EXPECT_EQ(LayerState(0).at("art").size(), 1u);
}

TEST_F(PrepareGroup, TheSeparateLayerIsInsertedAboveAllThenReused) {
    globals.Calque = 1;
    AddLayer("Dessus");
    ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"KVT.Ortaq", "Dessus", "Calque 1"}));
    EXPECT_EQ(LayerState(0).at("art").size(), 1u);
    EXPECT_FALSE(LayerState(0).at("current").get<bool>());

    NextQuadrilateral();
    // The first group holds a path now, so it stays.
    sAIArt()->NewArt(kHostPathArt, kHostPlaceInsideOnTop, globals.GroupeCourant,
                     &globals.TraceCourant);
    ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    EXPECT_EQ(Titles().size(), 3u);
    EXPECT_EQ(LayerState(0).at("art").size(), 2u);
}

TEST_F(PrepareGroup, TheFirstOfTwoSeparateLayersIsUsed) {
    globals.Calque = 1;
    AddLayer("KVT.Ortaq");
    AddLayer("Milieu");
    AddLayer("KVT.Ortaq");
    ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    EXPECT_EQ(LayerState(0).at("art").size(), 1u);
    EXPECT_EQ(LayerState(2).at("art").size(), 0u);
    EXPECT_EQ(Titles().size(), 4u);
}

struct LockedCase {
    const char* name;
    bool separateLayer;   // Calque set
    bool separateLocked;  // a "KVT.Ortaq" layer exists, locked or not
    bool currentLocked;
};

class LockedLayers : public PrepareGroup, public ::testing::WithParamInterface<LockedCase> {};

TEST_P(LockedLayers, AreRefusedWithTheAlertAndNothingIsMade) {
    const LockedCase& c = GetParam();
    globals.Calque = c.separateLayer;
    if (c.separateLayer) AddLayer("KVT.Ortaq", c.separateLocked);
    host.Drawing().LayerTitled("Calque 1")->locked = c.currentLocked;
    emulator::Json before = Document();

    bool alertSeen = false;
    AnswerNextAlert([&] {
        alertSeen = true;
        EXPECT_TRUE(globals.AlerteOuverte) << c.name;
        EXPECT_EQ(host.App().Cursor(), 20009) << c.name;
    });
    EXPECT_EQ(PrepareGroupe(&message, refused), kHostNoError) << c.name;

    EXPECT_TRUE(alertSeen) << c.name;
    EXPECT_TRUE(refused) << c.name;
    EXPECT_EQ(host.AlertsShown(), std::vector<std::string>{"Impossible. Calque verrouillé."});
    EXPECT_FALSE(globals.AlerteOuverte);
    EXPECT_FALSE(globals.GroupePret);
    EXPECT_EQ(Document().dump(), before.dump()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Tool, LockedLayers,
                         ::testing::Values(LockedCase{"current layer locked", false, false, true},
                                           LockedCase{"separate layer locked", true, true, false},
                                           LockedCase{"separate layer editable, current locked",
                                                      true, false, true}));

TEST_F(PrepareGroup, AnAbandonedEmptyGroupIsDisposedOfAtTheNextPreparation) {
    ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    HostArtHandle abandoned = globals.GroupeCourant;
    NextQuadrilateral();
    ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    EXPECT_FALSE(sAIArt()->ValidArt(abandoned, true));
    EXPECT_EQ(LayerState(0).at("art").size(), 1u);
    EXPECT_NE(globals.GroupeCourant, abandoned);
}

TEST_F(PrepareGroup, NamingTheGroupFollowsTheKindAndReplacesTheUsersName) {
    ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    auto groupName = [&] { return LayerState(0).at("art").at(0).at("name").get<std::string>(); };
    EXPECT_EQ(groupName(), "Quadrilatère");

    struct {
        HostBool32 Globals::*flag;
        const char* name;
    } kinds[] = {{&Globals::FormeCarre, "Carré"},
                 {&Globals::FormeRectangle, "Rectangle"},
                 {&Globals::FormeLosange, "Losange"},
                 {&Globals::FormeParallelogramme, "Parallélogramme"}};
    for (const auto& kind : kinds) {
        globals.FormeCarre = globals.FormeRectangle = globals.FormeLosange =
            globals.FormeParallelogramme = 0;
        globals.*kind.flag = 1;
        sAIArt()->SetArtName(globals.GroupeCourant, "Mon groupe");
        EXPECT_EQ(NommerGroupe(true), kHostNoError);
        EXPECT_EQ(groupName(), kind.name);
    }
}

TEST_F(PrepareGroup, NamingADeletedGroupWithTheCheckChangesNothing) {
    ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    HostArtHandle group = globals.GroupeCourant;
    sAIArt()->DisposeArt(group);
    emulator::Json before = Document();
    EXPECT_EQ(NommerGroupe(true), kHostErrBadHandle);
    EXPECT_EQ(Document().dump(), before.dump());
}

TEST_F(PrepareGroup, GroupsAreNamedAfterTheKindInForce) {
    globals.FormeLosange = 1;
    ASSERT_EQ(PrepareGroupe(&message, refused), kHostNoError);
    EXPECT_EQ(LayerState(0).at("art").at(0).at("name").get<std::string>(), "Losange");
}

}  // namespace
