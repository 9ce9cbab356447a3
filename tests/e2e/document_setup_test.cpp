// Setting up the document's layers from a scenario, and how the state shows them.
#include <gtest/gtest.h>

#include "tests/support/scenario_run.h"

namespace {

TEST(DocumentSetup, LayersAreAddedAboveAllAndTheirFlagsSet) {
    emulator::Json state = PlayScenario(
        "layer \"Fond\" locked\n"
        "layer \"Dessus\" current\n"
        "layer \"Calque 1\"\n"
        "layer-lock \"Calque 1\"\n"  // the first in order: the one just added
        "layer-unlock \"Fond\"\n"
        "layer-current \"Fond\"\n");
    const emulator::Json& layers = state.at("document").at("layers");
    ASSERT_EQ(layers.size(), 4u);
    struct Expected {
        const char* title;
        bool locked, current;
    } expected[] = {{"Calque 1", true, false},
                    {"Dessus", false, false},
                    {"Fond", false, true},
                    {"Calque 1", false, false}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(layers.at(i).at("title").get<std::string>(), expected[i].title) << i;
        EXPECT_EQ(layers.at(i).at("locked").get<bool>(), expected[i].locked) << i;
        EXPECT_EQ(layers.at(i).at("current").get<bool>(), expected[i].current) << i;
        EXPECT_TRUE(layers.at(i).at("visible").get<bool>());
        EXPECT_EQ(layers.at(i).at("color").size(), 3u);
        EXPECT_EQ(layers.at(i).at("art").size(), 0u);
    }
    EXPECT_TRUE(state.at("cursor").is_null());
}

TEST(DocumentSetup, ANewDocumentHasOneEditableCurrentLayer) {
    emulator::Json layers = PlayScenario("").at("document").at("layers");
    ASSERT_EQ(layers.size(), 1u);
    EXPECT_EQ(layers.at(0).dump(),
              "{\"title\":\"Calque 1\",\"locked\":false,\"visible\":true,\"current\":true,"
              "\"color\":[20303,32896,65535],\"art\":[]}");
}

}  // namespace
