// ortaq-host given a plug-in library whose resources were damaged by one byte: every
// reader refuses what it cannot read, and says so, instead of looping or going silent.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "emulator/common/json.h"
#include "emulator/models/resources/elf_section.h"
#include "tests/support/run_command.h"
#include "tests/support/state_lookup.h"

namespace {

const std::string kHost = ORTAQ_HOST_PATH;

class DamagedResources : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = TemporaryDirectory(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // A copy of the plug-in library whose resource section EDIT changed.
    std::string DamagedPlugin(const std::function<void(std::string& section)>& edit) {
        std::string library = emulator::ReadWholeFile(ORTAQ_PLUGIN_PATH);
        std::string_view found = *emulator::FindElfSection(library, ".ortaq_resources");
        size_t offset = static_cast<size_t>(found.data() - library.data());
        std::string section(found);
        edit(section);
        library.replace(offset, section.size(), section);
        std::string path = dir_ + "/libdamaged.so";
        WriteTextFile(path, library);
        return path;
    }

    // The host never runs for long on these: a reader that loops fails the test.
    CommandResult Run(const std::string& arguments) {
        return RunCommand("timeout 60 " + kHost + " " + arguments);
    }

    std::string dir_;
};

TEST_F(DamagedResources, AnEntryWithAnEmptyHeaderStopsListingAndPlaying) {
    // The opening empty entry's header size, 32, becomes 0.
    std::string plugin = DamagedPlugin([](std::string& section) { section[4] = 0; });
    WriteTextFile(dir_ + "/s.scn", "start\n");
    for (const std::string& command :
         {"resources " + plugin, "play " + dir_ + "/s.scn --plugin " + plugin}) {
        CommandResult result = Run(command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_NE(result.err.find("a header of 0 bytes is shorter than"), std::string::npos)
            << command << ": " << result.err;
    }
}

constexpr uint16_t kDialogType = 5;
constexpr uint16_t kGroupIconType = 14;

// Where the type and name of the resource entry TYPE NUMBER are in SECTION, both numbers:
// 0xFFFF TYPE 0xFFFF NUMBER.
size_t TypeAndNameOffset(const std::string& section, uint16_t type, uint16_t number) {
    std::string typeAndName = {
        '\xFF', '\xFF', static_cast<char>(type & 0xFF),   static_cast<char>(type >> 8),
        '\xFF', '\xFF', static_cast<char>(number & 0xFF), static_cast<char>(number >> 8)};
    size_t at = section.find(typeAndName);
    if (at == std::string::npos)
        throw std::logic_error("no resource " + std::to_string(type) + " " +
                               std::to_string(number));
    return at;
}

// Where the data of the dialog resource NUMBER starts in SECTION.
size_t DialogDataOffset(const std::string& section, uint16_t number) {
    size_t at = TypeAndNameOffset(section, kDialogType, number);
    // The entry starts with its data size and header size, just before its type.
    size_t start = at - 8;
    auto headerSize = static_cast<unsigned char>(section[at - 4]);
    return start + headerSize;
}

TEST_F(DamagedResources, ADamagedAboutBoxTemplateIsReportedAndTheBoxNotMade) {
    std::string plugin =
        DamagedPlugin([](std::string& section) { section[DialogDataOffset(section, 16800)] = 2; });
    WriteTextFile(dir_ + "/s.scn", "start\nabout\n");
    CommandResult result =
        Run("play " + dir_ + "/s.scn --plugin " + plugin + " --json " + dir_ + "/state.json");
    // No box was left open on screen at the end.
    EXPECT_EQ(result.status, 0) << result.err;
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    ASSERT_EQ(state.at("errors").size(), 1u) << state.at("errors").dump();
    EXPECT_EQ(state.at("errors").at(0).get<std::string>(),
              "ADM Dialog Suite.Modal: malformed DIALOG resource at offset 4: extended template "
              "version 2");
}

TEST_F(DamagedResources, WithoutTheToolsIconThereIsNoToolAndTheRestStartsAllTheSame) {
    // Icon 16051 renumbered 16052: the library has no icon 16051.
    std::string plugin = DamagedPlugin([](std::string& section) {
        section[TypeAndNameOffset(section, kGroupIconType, 16051) + 6] = '\xB4';
    });
    WriteTextFile(dir_ + "/s.scn",
                  "start\nsnapshot started\nmenu \"Masquer KVT.Ortaq\"\nmenu \"Afficher "
                  "KVT.Ortaq\"\nsnapshot shown\n");
    CommandResult result =
        Run("play " + dir_ + "/s.scn --plugin " + plugin + " --json " + dir_ + "/state.json");
    EXPECT_EQ(result.status, 0) << result.err;
    emulator::Json state = emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    const emulator::Json& started = state.at("snapshots").at("started");
    EXPECT_TRUE(started.at("plugin").at("started").get<bool>());
    EXPECT_EQ(state.at("calls").at(0).at("result"), 0);  // not the tool's '!ico'
    for (const emulator::Json& tool : state.at("tools")) EXPECT_EQ(tool.at("owner"), "host");
    // The panel was made, and showing it selects no tool.
    EXPECT_TRUE(Panel(state.at("snapshots").at("shown")).at("visible").get<bool>());
    EXPECT_TRUE(ToolNamed(state, "Adobe Selection Tool").at("current").get<bool>());
    EXPECT_TRUE(state.at("errors").empty()) << state.at("errors").dump();
}

}  // namespace
