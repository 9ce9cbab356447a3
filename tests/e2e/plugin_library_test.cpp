// The built plug-in library as the host and the linker see it.
#include <gtest/gtest.h>

#include "emulator/core/plugin_library.h"
#include "tests/support/run_command.h"

namespace {

TEST(PluginLibrary, ExportsPluginMainOnly) {
    CommandResult result = RunCommand(std::string("nm -D --defined-only ") + ORTAQ_PLUGIN_PATH);
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_FALSE(result.out.empty());
    std::string symbol = result.out.substr(result.out.rfind(' ') + 1);
    EXPECT_EQ(symbol, "PluginMain\n");
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1) << result.out;
}

TEST(PluginLibrary, LoadsAndResolvesTheEntry) {
    emulator::PluginLibrary library(ORTAQ_PLUGIN_PATH);
    std::string error;
    ASSERT_TRUE(library.Load(error)) << error;
    EXPECT_NE(library.Entry(), nullptr);
    library.Unload();
    EXPECT_FALSE(library.Loaded());
}

TEST(PluginLibrary, AFileThatIsNotALibraryIsRefusedWithAReason) {
    emulator::PluginLibrary library(std::string(ORTAQ_SOURCE_DIR) + "/README.md");
    std::string error;
    EXPECT_FALSE(library.Load(error));
    EXPECT_NE(error.find("cannot load plug-in"), std::string::npos) << error;
}

}  // namespace
