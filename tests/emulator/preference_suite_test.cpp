// The preference suite as a plug-in sees it, acquired through the basic suite.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include "emulator/core/host.h"
#include "host/ai_application.h"

namespace {

class PreferenceSuite : public ::testing::Test {
  protected:
    void SetUp() override {
        const void* table = nullptr;
        ASSERT_EQ(
            host_.BasicSuite()->AcquireSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &table),
            kHostNoError);
        suite_ = static_cast<const AIPreferenceSuite4*>(table);
    }
    void TearDown() override {
        host_.BasicSuite()->ReleaseSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
    }

    emulator::Host host_{ORTAQ_PLUGIN_PATH};
    const AIPreferenceSuite4* suite_ = nullptr;
};

TEST_F(PreferenceSuite, EachTypeReadsBackWhatWasPut) {
    ASSERT_EQ(suite_->PutBooleanPreference("Ortaq", "b", 5), kHostNoError);
    ASSERT_EQ(suite_->PutIntegerPreference("Ortaq", "i", -7), kHostNoError);
    ASSERT_EQ(suite_->PutRealPreference("Ortaq", "r", 0.1), kHostNoError);
    ASSERT_EQ(suite_->PutStringPreference("Ortaq", "s", "Calque 1"), kHostNoError);
    HostBool32 flag = 0;
    int32_t whole = 0;
    double real = 0;
    char text[16] = {};
    EXPECT_EQ(suite_->GetBooleanPreference("Ortaq", "b", &flag), kHostNoError);
    EXPECT_EQ(suite_->GetIntegerPreference("Ortaq", "i", &whole), kHostNoError);
    EXPECT_EQ(suite_->GetRealPreference("Ortaq", "r", &real), kHostNoError);
    EXPECT_EQ(suite_->GetStringPreference("Ortaq", "s", text, sizeof text), kHostNoError);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(whole, -7);
    EXPECT_EQ(real, 0.1);
    EXPECT_STREQ(text, "Calque 1");
}

TEST_F(PreferenceSuite, ANullPrefixNamesTheHostsOwnKeysAsAnEmptyOneDoes) {
    ASSERT_EQ(suite_->PutIntegerPreference(nullptr, "n", 3), kHostNoError);
    int32_t whole = 0;
    EXPECT_EQ(suite_->GetIntegerPreference("", "n", &whole), kHostNoError);
    EXPECT_EQ(whole, 3);
    EXPECT_EQ(*host_.Preferences().Find<int32_t>("", "n"), 3);
}

TEST_F(PreferenceSuite, AFreshHostHoldsTheSmartGuidesColourAsItsOwnKeys) {
    struct Component {
        const char* key;
        double value;
    } components[] = {{"snapomatic/Color/red", 1.0},
                      {"snapomatic/Color/green", 0.0},
                      {"snapomatic/Color/blue", 1.0}};
    for (const Component& c : components) {
        for (const char* prefix : {static_cast<const char*>(nullptr), ""}) {
            double real = -1;
            EXPECT_EQ(suite_->GetRealPreference(prefix, c.key, &real), kHostNoError) << c.key;
            EXPECT_EQ(real, c.value) << c.key;
        }
        host_.Preferences().Remove("", c.key);
        double real = -1;
        EXPECT_EQ(suite_->GetRealPreference(nullptr, c.key, &real), kHostErrNotFound) << c.key;
        EXPECT_EQ(real, -1) << c.key;
    }
    EXPECT_EQ(host_.Preferences().All().count(""), 0u);
}

TEST_F(PreferenceSuite, AGetFindingNothingOfItsTypeLeavesTheOutputUntouched) {
    ASSERT_EQ(suite_->PutIntegerPreference("Ortaq", "n", 3), kHostNoError);
    HostBool32 flag = 7;
    int32_t whole = 7;
    double real = 7;
    char text[8] = "unset";
    EXPECT_EQ(suite_->GetBooleanPreference("Ortaq", "n", &flag), kHostErrNotFound);
    EXPECT_EQ(suite_->GetRealPreference("Ortaq", "n", &real), kHostErrNotFound);
    EXPECT_EQ(suite_->GetStringPreference("Ortaq", "n", text, sizeof text), kHostErrNotFound);
    EXPECT_EQ(suite_->GetIntegerPreference("Ortaq", "missing", &whole), kHostErrNotFound);
    EXPECT_EQ(suite_->GetIntegerPreference(nullptr, "n", &whole), kHostErrNotFound);
    EXPECT_EQ(flag, 7);
    EXPECT_EQ(whole, 7);
    EXPECT_EQ(real, 7);
    EXPECT_STREQ(text, "unset");
}

TEST_F(PreferenceSuite, TextCrossesTheBoundaryAsWindows1252) {
    ASSERT_EQ(suite_->PutStringPreference("Ortaq", "Forme", "Parall\xE9logramme"), kHostNoError);
    EXPECT_EQ(*host_.Preferences().Find<std::string>("Ortaq", "Forme"), "Parallélogramme");

    host_.Preferences().Put("Ortaq", "Unité", std::string("€ œ é"));
    char text[16] = {};
    ASSERT_EQ(suite_->GetStringPreference("Ortaq", "Unit\xE9", text, sizeof text), kHostNoError);
    EXPECT_STREQ(text, "\x80 \x9C \xE9");
}

struct Truncation {
    uint32_t size;
    const char* expected;
};

class StringTruncation : public PreferenceSuite,
                         public ::testing::WithParamInterface<Truncation> {};

TEST_P(StringTruncation, CutsTheTextToFitAndWritesNothingPastTheBuffer) {
    ASSERT_EQ(suite_->PutStringPreference("Ortaq", "Forme", "Parall\xE9logramme"), kHostNoError);
    char buffer[32];
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_EQ(suite_->GetStringPreference("Ortaq", "Forme", buffer, GetParam().size), kHostNoError);
    EXPECT_STREQ(buffer, GetParam().expected);
    EXPECT_EQ(buffer[GetParam().size], 'x');
}

INSTANTIATE_TEST_SUITE_P(PreferenceSuite, StringTruncation,
                         ::testing::Values(Truncation{20, "Parall\xE9logramme"},
                                           Truncation{16, "Parall\xE9logramme"},
                                           Truncation{15, "Parall\xE9logramm"},
                                           Truncation{7, "Parall"}, Truncation{1, ""}));

TEST_F(PreferenceSuite, RefusesArgumentsItCannotUseAndStoresNothing) {
    char buffer[4] = "abc";
    int32_t whole = 7;
    const std::vector<std::pair<const char*, std::function<HostErr()>>> calls = {
        {"get with no key", [&] { return suite_->GetIntegerPreference("Ortaq", nullptr, &whole); }},
        {"get with no output", [&] { return suite_->GetIntegerPreference("Ortaq", "n", nullptr); }},
        {"text into no buffer",
         [&] { return suite_->GetStringPreference("Ortaq", "s", nullptr, 4); }},
        {"text into size 0", [&] { return suite_->GetStringPreference("Ortaq", "s", buffer, 0); }},
        {"put with no key", [&] { return suite_->PutBooleanPreference("Ortaq", nullptr, 1); }},
        {"put of no text", [&] { return suite_->PutStringPreference("Ortaq", "s", nullptr); }},
        {"put of not a number", [&] { return suite_->PutRealPreference("Ortaq", "r", NAN); }},
        {"put of infinity", [&] { return suite_->PutRealPreference("Ortaq", "r", INFINITY); }},
        {"put under a key with a byte Windows-1252 leaves undefined",
         [&] { return suite_->PutIntegerPreference("Ortaq", "\x81", 1); }},
        {"put under a prefix with such a byte",
         [&] { return suite_->PutIntegerPreference("\x8D", "n", 1); }},
    };
    ASSERT_EQ(suite_->PutStringPreference("Ortaq", "s", "stored"), kHostNoError);
    const emulator::PreferenceStore::Prefixes stored = host_.Preferences().All();
    ASSERT_EQ(stored.at("Ortaq").size(), 1u);
    for (const auto& [what, call] : calls) EXPECT_EQ(call(), kHostErrBadParameter) << what;
    EXPECT_EQ(whole, 7);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(host_.Preferences().All(), stored);
    EXPECT_TRUE(host_.Errors().empty());
}

}  // namespace
