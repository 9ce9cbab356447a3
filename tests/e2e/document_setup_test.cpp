// Setting up the document's layers from a scenario, and how the state shows them.
#include <gtest/gtest.h>

#include "tests/support/scenario_run.h"

namespace {

TEST(DocumentSetup, LayersAreAddedAboveAllAndTheirFlagsSet) {
    host::Json state = PlayScenario(
        "layer \"Fond\" locked\n"
        "layer \"Dessus\" current\n"
        "layer \"Calque 1\"\n"
        "layer-lock \"Calque 1\"\n"  // the first in order: the one just added
        "layer-unlock \"Fond\"\n"
        "layer-current \"Fond\"\n");
    const host::Json& layers = state["document"]["layers"];
    ASSERT_EQ(layers.Size(), 4u);
    struct Expected {
        const char* title;
        bool locked, current;
    } expected[] = {{"Calque 1", true, false},
                    {"Dessus", false, false},
                    {"Fond", false, true},
                    {"Calque 1", false, false}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(layers[i]["title"].AsString(), expected[i].title) << i;
        EXPECT_EQ(layers[i]["locked"].AsBool(), expected[i].locked) << i;
        EXPECT_EQ(layers[i]["current"].AsBool(), expected[i].current) << i;
        EXPECT_TRUE(layers[i]["visible"].AsBool());
        EXPECT_EQ(layers[i]["color"].Size(), 3u);
        EXPECT_EQ(layers[i]["art"].Size(), 0u);
    }
    EXPECT_TRUE(state["cursor"].IsNull());
}

TEST(DocumentSetup, ANewDocumentHasOneEditableCurrentLayer) {
    host::Json layers = PlayScenario("")["document"]["layers"];
    ASSERT_EQ(layers.Size(), 1u);
    EXPECT_EQ(layers[0].Dump(0),
              "{\"title\":\"Calque 1\",\"locked\":false,\"visible\":true,\"current\":true,"
              "\"color\":[20303,32896,65535],\"art\":[]}\n");
}

}  // namespace
