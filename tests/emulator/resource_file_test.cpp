#include "emulator/host/resources/resource_file.h"

#include <gtest/gtest.h>

#include "emulator/host/resources/property_list.h"

namespace {

TEST(ResourceFile, FindsThePropertyListInThePluginLibrary) {
    host::ResourceFile file = host::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    const host::Resource* list = file.Find(host::ResourceId::ParseType("PIPL"), 16000);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->language, 1033);
    EXPECT_EQ(list->data.size(), 102u);
    EXPECT_EQ(host::PropertyListName(list->data), "Shell");
    EXPECT_EQ(file.Find(host::ResourceId::ParseType("PIPL"), 16001), nullptr);
    EXPECT_EQ(file.Find(host::ResourceId::ParseType("BITMAP"), 16000), nullptr);
}

TEST(ResourceFile, NamesStandardTypesAndReadsThemBack) {
    for (const char* name :
         {"CURSOR", "BITMAP", "ICON", "MENU", "DIALOG", "GROUP_ICON", "PIPL", "PNG"})
        EXPECT_EQ(host::ResourceId::ParseType(name).TypeName(), name);
    EXPECT_EQ(host::ResourceId::ParseType("2"), host::ResourceId::ParseType("BITMAP"));
    EXPECT_EQ(host::ResourceId::ParseType("300").TypeName(), "300");
}

TEST(ResourceFile, RefusesATruncatedFile) {
    std::string bytes(40, '\0');
    bytes[0] = 100;  // claims 100 bytes of data
    bytes[4] = 32;
    EXPECT_THROW(host::ResourceFile::Parse(bytes), std::runtime_error);
}

TEST(ResourceFile, PropertyListWithoutANameGivesNone) {
    std::vector<unsigned char> empty = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(host::PropertyListName(empty));
    std::vector<unsigned char> lying = {1, 0, 0, 0, 0, 0, 5, 0, 0, 0};  // 5 properties, none there
    EXPECT_FALSE(host::PropertyListName(lying));
}

TEST(ResourceFile, AFileWithoutResourcesIsReported) {
    EXPECT_THROW(host::LoadPluginResources(ORTAQ_HOST_PATH), std::runtime_error);
}

}  // namespace
