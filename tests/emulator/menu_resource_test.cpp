#include "emulator/models/resources/menu_resource.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>

#include "emulator/models/resources/resource_file.h"
#include "tests/support/case_name.h"
#include "tests/support/runtime_error.h"

namespace {

// Menu template bytes from 16-bit words; a text is its characters' words and a 0.
std::vector<unsigned char> Words(std::initializer_list<uint16_t> words) {
    std::vector<unsigned char> bytes;
    for (uint16_t word : words) {
        bytes.push_back(static_cast<unsigned char>(word));
        bytes.push_back(static_cast<unsigned char>(word >> 8));
    }
    return bytes;
}

struct ExpectedEntry {
    uint16_t id;
    const char* text;
    uint16_t flags;
    bool separator;
};

TEST(MenuResource, ThePluginsDialogListMenuReadsEntryByEntry) {
    emulator::ResourceFile file = emulator::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    const emulator::Resource* resource = file.Find(emulator::ResourceId::ParseType("MENU"), 128);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(resource->language, 1033);

    std::vector<emulator::MenuEntry> menu = emulator::ParseMenuResource(resource->data);
    ASSERT_EQ(menu.size(), 1u);
    const emulator::MenuEntry& popup = menu[0];
    EXPECT_TRUE(popup.IsPopup());
    EXPECT_EQ(popup.text, "Dialog List");
    EXPECT_EQ(popup.flags, emulator::kMenuPopup | emulator::kMenuLastEntry);

    const ExpectedEntry expected[] = {
        {1, "Quelconque", 0x0002, false},      {2, "Carré", 0x0002, false},
        {3, "Rectangle", 0x0002, false},       {4, "Losange", 0x0002, false},
        {5, "Parallélogramme", 0x0002, false}, {0, "", 0x0000, true},
        {7, "Préférences...", 0x0002, false},  {0, "", 0x0000, true},
        {9, "Afficher l'aide", 0x0082, false},
    };
    ASSERT_EQ(popup.entries.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const emulator::MenuEntry& entry = popup.entries[i];
        EXPECT_EQ(entry.id, expected[i].id);
        EXPECT_EQ(entry.text, expected[i].text);
        EXPECT_EQ(entry.flags, expected[i].flags);
        EXPECT_EQ(entry.separator, expected[i].separator);
        EXPECT_FALSE(entry.IsPopup());
    }
}

TEST(MenuResource, TheLastEntryOfANestedPopupEndsOnlyItsOwnList) {
    std::vector<unsigned char> data = Words({
        0,    0,            // standard template, no extra header
        0x10, 'F', 0,       // popup "F"
        0x00, 1,   'O', 0,  //   "O", ID 1
        0x10, 'R', 0,       //   popup "R"
        0x80, 2,   'a', 0,  //     "a", ID 2, last of "R"
        0x00, 0,   0,       //   separator
        0x80, 3,   'Q', 0,  //   "Q", ID 3, last of "F"
        0x80, 4,   'H', 0,  // "H", ID 4, last of the menu
    });
    std::vector<emulator::MenuEntry> menu = emulator::ParseMenuResource(data);
    ASSERT_EQ(menu.size(), 2u);
    ASSERT_EQ(menu[0].entries.size(), 4u);
    EXPECT_EQ(menu[0].entries[1].text, "R");
    ASSERT_EQ(menu[0].entries[1].entries.size(), 1u);
    EXPECT_EQ(menu[0].entries[1].entries[0].id, 2);
    EXPECT_TRUE(menu[0].entries[2].separator);
    EXPECT_EQ(menu[0].entries[3].id, 3);
    EXPECT_EQ(menu[1].id, 4);
    EXPECT_EQ(menu[1].text, "H");
}

struct BadMenu {
    const char* name;
    std::vector<unsigned char> data;
    const char* reason;  // part of the message
};

class BadMenus : public ::testing::TestWithParam<BadMenu> {};

TEST_P(BadMenus, AreRefusedWithAReason) {
    std::optional<std::string> message =
        RuntimeErrorOf([this] { emulator::ParseMenuResource(GetParam().data); });
    ASSERT_TRUE(message) << "accepted";
    EXPECT_NE(message->find("malformed MENU resource"), std::string::npos) << *message;
    EXPECT_NE(message->find(GetParam().reason), std::string::npos) << *message;
}

std::vector<unsigned char> PopupsNested(int depth) {
    std::vector<unsigned char> data = Words({0, 0});
    for (int i = 0; i < depth; ++i) {
        std::vector<unsigned char> popup = Words({0x10, 0});  // an untitled popup
        data.insert(data.end(), popup.begin(), popup.end());
    }
    return data;
}

INSTANTIATE_TEST_SUITE_P(
    MenuResource, BadMenus,
    ::testing::Values(
        BadMenu{"Empty", {}, "runs past the end"},
        BadMenu{"Extended", Words({1, 4, 0, 0, 0x80, 0}), "extended menus are not read"},
        BadMenu{"HeaderPastTheEnd", Words({0, 40, 0x80, 1, 'A', 0}), "runs past the end"},
        BadMenu{"EntryWithoutItsId", Words({0, 0, 0x80}), "runs past the end"},
        BadMenu{"TextWithoutItsEnd", Words({0, 0, 0x80, 1, 'A'}), "runs past the end"},
        BadMenu{"NoLastEntry", Words({0, 0, 0, 1, 'A', 0}), "runs past the end"},
        BadMenu{"PopupsNestedWithoutEnd", PopupsNested(100), "nested deeper than 16"}),
    CaseName<BadMenu>);

}  // namespace
