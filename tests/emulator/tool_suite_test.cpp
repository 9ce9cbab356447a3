// The tool suite as the plug-in calls it, acquired through the basic suite on its behalf.
#include <gtest/gtest.h>

#include <string>

#include "emulator/core/host.h"
#include "emulator/output/state.h"
#include "host/adm.h"
#include "host/ai_application.h"

namespace {

class ToolSuite : public ::testing::Test {
  protected:
    void SetUp() override {
        const void* table = nullptr;
        ASSERT_EQ(host.BasicSuite()->AcquireSuite(kAIToolSuite, kAIToolSuiteVersion, &table),
                  kHostNoError);
        suite = static_cast<const AIToolSuite10*>(table);
        ASSERT_EQ(host.BasicSuite()->AcquireSuite(kADMIconSuite, kADMIconSuiteVersion1, &table),
                  kHostNoError);
        icons = static_cast<const ADMIconSuite1*>(table);
    }
    void TearDown() override {
        host.BasicSuite()->ReleaseSuite(kAIToolSuite, kAIToolSuiteVersion);
        host.BasicSuite()->ReleaseSuite(kADMIconSuite, kADMIconSuiteVersion1);
    }

    HostErr Add(const char* name, AIToolType group, AIToolType toolset, HostIconRef icon,
                HostToolHandle* tool) {
        AIAddToolData data{name, "Outil Ortaq 3.0", icon, group, toolset};
        return suite->AddTool(host.Plugin().Ref(), name, &data, kToolWantsToTrackCursorOption,
                              tool);
    }

    AIToolType NumberOf(const char* name) {
        AIToolType number = 99;
        EXPECT_EQ(suite->GetToolNumberFromName(name, &number), kHostNoError) << name;
        return number;
    }

    emulator::Json Tools() const { return emulator::HostState(host).at("tools"); }

    // Tools need no plug-in code: the host serves them on the plug-in's behalf.
    emulator::Host host{"no-plugin.so"};
    const AIToolSuite10* suite = nullptr;
    const ADMIconSuite1* icons = nullptr;
};

TEST_F(ToolSuite, AddsAToolInAGroupAndFindsItsNumberByNameAndHandle) {
    AIToolType pen = NumberOf("Adobe Pen Tool");
    HostIconRef icon = icons->GetFromResource(host.Plugin().Ref(), 16051);
    HostToolHandle tool = nullptr;
    ASSERT_EQ(Add("Outil Ortaq", pen, pen, icon, &tool), kHostNoError);
    AIToolType number = 99;
    EXPECT_EQ(suite->GetToolNumberFromHandle(tool, &number), kHostNoError);
    EXPECT_EQ(number, NumberOf("Outil Ortaq"));
    EXPECT_NE(number, pen);
    HostIconRef rollover = icons->GetFromResource(host.Plugin().Ref(), 18001);
    EXPECT_EQ(suite->SetToolRolloverIcon(tool, rollover), kHostNoError);

    emulator::Json added = Tools().back();
    EXPECT_EQ(added.dump(), "{\"number\":" + std::to_string(number) +
                                ",\"name\":\"Outil Ortaq\",\"tip\":\"Outil Ortaq 3.0\",\"group\":" +
                                std::to_string(pen) + ",\"toolset\":" + std::to_string(pen) +
                                ",\"options\":1,\"icon\":16051,\"rollover_icon\":18001,"
                                "\"owner\":\"plug-in\",\"current\":false}");
    EXPECT_EQ(Tools().front().at("current"), true);
    EXPECT_EQ(Tools().front().at("owner"), "host");
    EXPECT_TRUE(host.Errors().empty());
}

TEST_F(ToolSuite, AnIconWhoseResourceIsMissingHasTheUnknownType) {
    HostIconRef icon = icons->GetFromResource(host.Plugin().Ref(), 16051);
    EXPECT_EQ(icons->GetType(icon), kADMUnknownIconType);
    icons->Destroy(icon);
    EXPECT_TRUE(host.Errors().empty());
}

TEST_F(ToolSuite, RefusesWhatItCannotAdd) {
    HostToolHandle tool = nullptr;
    ASSERT_EQ(Add("Outil Ortaq", kNoTool, kNoTool, nullptr, &tool), kHostNoError);
    struct Case {
        const char* what;
        const char* name;
        AIToolType group;
        AIToolType toolset;
        HostErr expected;
    } cases[] = {
        {"a name already taken", "Outil Ortaq", kNoTool, kNoTool, kHostErrBadParameter},
        {"a group of no tool", "Autre", 77, kNoTool, kHostErrBadParameter},
        {"a toolset of no tool", "Autre", kNoTool, -1, kHostErrBadParameter},
        {"no name", nullptr, kNoTool, kNoTool, kHostErrBadParameter},
    };
    for (const Case& c : cases) {
        HostToolHandle refused = nullptr;
        EXPECT_EQ(Add(c.name, c.group, c.toolset, nullptr, &refused), c.expected) << c.what;
        EXPECT_EQ(refused, nullptr) << c.what;
    }
    AIAddToolData data{"Autre", "", nullptr, kNoTool, kNoTool};
    HostToolHandle foreign = nullptr;
    EXPECT_EQ(suite->AddTool(reinterpret_cast<HostPluginRef>(&data), "Autre", &data, 0, &foreign),
              kHostErrBadHandle);
    EXPECT_EQ(Tools().size(), 3u);
}

TEST_F(ToolSuite, AnswersUnknownNamesAndHandles) {
    AIToolType number = 99;
    EXPECT_EQ(suite->GetToolNumberFromName("Outil Gavrel", &number), kHostErrNotFound);
    EXPECT_EQ(number, 99);
    auto stranger = reinterpret_cast<HostToolHandle>(&number);
    EXPECT_EQ(suite->GetToolNumberFromHandle(stranger, &number), kHostErrBadHandle);
    EXPECT_EQ(suite->SetSelectedTool(stranger), kHostErrBadHandle);
    EXPECT_EQ(host.Errors().size(), 2u);
}

TEST_F(ToolSuite, TheRolloverIconIsOnlyForOwnTools) {
    HostToolHandle pen = host.Tools().HandleOf(*host.Tools().Named("Adobe Pen Tool"));
    HostIconRef icon = icons->GetFromResource(host.Plugin().Ref(), 18001);
    EXPECT_EQ(suite->SetToolRolloverIcon(pen, icon), kHostErrBadHandle);
    HostToolHandle tool = nullptr;
    ASSERT_EQ(Add("Outil Ortaq", kNoTool, kNoTool, nullptr, &tool), kHostNoError);
    EXPECT_EQ(suite->SetToolRolloverIcon(tool, nullptr), kHostErrBadParameter);
    EXPECT_EQ(Tools().back().at("rollover_icon"), nullptr);
}

}  // namespace
