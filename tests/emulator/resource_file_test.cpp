#include "emulator/models/resources/resource_file.h"

#include <gtest/gtest.h>

#include "emulator/models/resources/elf_section.h"
#include "emulator/models/resources/property_list.h"
#include "tests/support/runtime_error.h"

namespace {

TEST(ResourceFile, FindsThePropertyListInThePluginLibrary) {
    emulator::ResourceFile file = emulator::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    const emulator::Resource* list = file.Find(emulator::ResourceId::ParseType("PIPL"), 16000);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->language, 1033);
    EXPECT_EQ(list->data.size(), 102u);
    EXPECT_EQ(emulator::PropertyListName(list->data), "Shell");
    EXPECT_EQ(file.Find(emulator::ResourceId::ParseType("PIPL"), 16001), nullptr);
    EXPECT_EQ(file.Find(emulator::ResourceId::ParseType("BITMAP"), 16000), nullptr);
}

TEST(ResourceFile, ThePluginCarriesItsDialogsAsEmptyTemplates) {
    emulator::ResourceFile file = emulator::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    for (uint16_t number : {16400, 16800, 16900, 17100, 20000}) {
        SCOPED_TRACE("DIALOG " + std::to_string(number));
        const emulator::Resource* dialog =
            file.Find(emulator::ResourceId::ParseType("DIALOG"), number);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->language, 1033);
        // An extended template: version 1, signature 0xFFFF, and its item count at offset 16.
        ASSERT_GE(dialog->data.size(), 18u);
        EXPECT_EQ(dialog->data[0] | dialog->data[1] << 8, 1);
        EXPECT_EQ(dialog->data[2] | dialog->data[3] << 8, 0xFFFF);
        EXPECT_EQ(dialog->data[16] | dialog->data[17] << 8, 0) << "the template has items";
    }
}

TEST(ResourceFile, NamesStandardTypesAndReadsThemBack) {
    for (const char* name :
         {"CURSOR", "BITMAP", "ICON", "MENU", "DIALOG", "GROUP_ICON", "PIPL", "PNG"})
        EXPECT_EQ(emulator::ResourceId::ParseType(name).TypeName(), name);
    EXPECT_EQ(emulator::ResourceId::ParseType("2"), emulator::ResourceId::ParseType("BITMAP"));
    EXPECT_EQ(emulator::ResourceId::ParseType("300").TypeName(), "300");
}

TEST(ResourceFile, RefusesATruncatedFile) {
    std::string bytes(40, '\0');
    bytes[0] = 100;  // claims 100 bytes of data
    bytes[4] = 32;
    EXPECT_THROW(emulator::ResourceFile::Parse(bytes), std::runtime_error);
}

TEST(ResourceFile, RefusesAnEntryWhoseHeaderIsShorterThanItsFields) {
    std::string library = emulator::ReadWholeFile(ORTAQ_PLUGIN_PATH);
    std::string section(*emulator::FindElfSection(library, ".ortaq_resources"));
    // One byte changed: the opening empty entry claims a header of 0 bytes, and 0 of data.
    section[4] = 0;
    std::optional<std::string> message =
        RuntimeErrorOf([&] { emulator::ResourceFile::Parse(section); });
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("a header of 0 bytes is shorter than"), std::string::npos) << *message;
}

TEST(ResourceFile, PropertyListWithoutANameGivesNone) {
    std::vector<unsigned char> empty = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(emulator::PropertyListName(empty));
    std::vector<unsigned char> lying = {1, 0, 0, 0, 0, 0, 5, 0, 0, 0};  // 5 properties, none there
    EXPECT_FALSE(emulator::PropertyListName(lying));
}

TEST(ResourceFile, AFileWithoutResourcesIsReported) {
    EXPECT_THROW(emulator::LoadPluginResources(ORTAQ_HOST_PATH), std::runtime_error);
}

}  // namespace
