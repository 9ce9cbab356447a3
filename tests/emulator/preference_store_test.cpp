#include "emulator/models/preferences/preference_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <stdexcept>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/run_command.h"

namespace {

using emulator::PreferenceStore;
using emulator::PreferenceValue;

// Which gets find the value under PREFIX and KEY: as a truth value, whole number, real, text.
std::vector<bool> FoundAs(const PreferenceStore& store, const std::string& prefix,
                          const std::string& key) {
    return {store.Find<bool>(prefix, key) != nullptr, store.Find<int32_t>(prefix, key) != nullptr,
            store.Find<double>(prefix, key) != nullptr,
            store.Find<std::string>(prefix, key) != nullptr};
}

class TypedValues : public ::testing::TestWithParam<PreferenceValue> {};

TEST_P(TypedValues, AreFoundOnlyAsTheTypeTheyWerePutWith) {
    PreferenceStore store;
    store.Put("Ortaq", "k", GetParam());
    std::vector<bool> expected(4, false);
    expected[GetParam().index()] = true;
    EXPECT_EQ(FoundAs(store, "Ortaq", "k"), expected);
    std::visit(
        [&](const auto& value) {
            using T = std::decay_t<decltype(value)>;
            ASSERT_NE(store.Find<T>("Ortaq", "k"), nullptr);
            EXPECT_EQ(*store.Find<T>("Ortaq", "k"), value);
        },
        GetParam());
}

INSTANTIATE_TEST_SUITE_P(PreferenceStore, TypedValues,
                         ::testing::Values(PreferenceValue(true), PreferenceValue(false),
                                           PreferenceValue(int32_t{1}), PreferenceValue(int32_t{0}),
                                           PreferenceValue(1.0), PreferenceValue(-2.5),
                                           PreferenceValue(std::string("1")),
                                           PreferenceValue(std::string())));

TEST(PreferenceStore, KeysAreSeparateByPrefixAndAPutReplacesAnyType) {
    PreferenceStore store;
    store.Put("", "k", int32_t{1});
    store.Put("Ortaq", "k", int32_t{2});
    store.Put("Ortaq", "k", std::string("deux"));
    EXPECT_EQ(*store.Find<int32_t>("", "k"), 1);
    EXPECT_EQ(store.Find<int32_t>("Ortaq", "k"), nullptr);
    EXPECT_EQ(*store.Find<std::string>("Ortaq", "k"), "deux");
    EXPECT_EQ(store.Find<int32_t>("Autre", "k"), nullptr);
}

class RefusedValues : public ::testing::TestWithParam<PreferenceValue> {};

TEST_P(RefusedValues, AreNotStoredAndLeaveTheOldValue) {
    PreferenceStore store;
    store.Put("Ortaq", "k", int32_t{1});
    EXPECT_THROW(store.Put("Ortaq", "k", GetParam()), std::invalid_argument);
    EXPECT_THROW(store.Put("Ortaq", "new", GetParam()), std::invalid_argument);
    EXPECT_EQ(*store.Find<int32_t>("Ortaq", "k"), 1);
    EXPECT_EQ(store.All().at("Ortaq").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    PreferenceStore, RefusedValues,
    ::testing::Values(PreferenceValue(std::numeric_limits<double>::quiet_NaN()),
                      PreferenceValue(std::numeric_limits<double>::infinity()),
                      PreferenceValue(-std::numeric_limits<double>::infinity()),
                      PreferenceValue(std::string("Δ")),            // not in Windows-1252
                      PreferenceValue(std::string("\xE9t\xE9"))));  // not UTF-8

struct RefusedName {
    std::string prefix;
    std::string key;
};

class RefusedNames : public ::testing::TestWithParam<RefusedName> {};

TEST_P(RefusedNames, AreNotStoredAndLeaveTheStoreAsItWas) {
    PreferenceStore store;
    store.Put("Ortaq", "k", int32_t{1});
    const PreferenceStore::Prefixes before = store.All();
    EXPECT_THROW(store.Put(GetParam().prefix, GetParam().key, int32_t{2}), std::invalid_argument);
    EXPECT_EQ(store.All(), before);
}

INSTANTIATE_TEST_SUITE_P(PreferenceStore, RefusedNames,
                         ::testing::Values(RefusedName{"Ortaq", "Δ"},  // not in Windows-1252
                                           RefusedName{"Ortaq", "\xE9t\xE9"},  // not UTF-8
                                           RefusedName{"Ortaq", "\xC2\x81"},   // undefined there
                                           RefusedName{"Δ", "k"}, RefusedName{"\xC0\xA2", "k"}));

class PreferenceFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = TemporaryDirectory();
        path_ = dir_ + "/prefs.json";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // The names in the test's folder, sorted.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string SetAsideLine(const std::string& reason, const std::string& aside) const {
        return "preferences " + path_ + " could not be read (" + reason + "); moved to " + aside +
               ", starting empty";
    }

    std::string dir_;
    std::string path_;
};

TEST_F(PreferenceFile, KeepsEveryValueWithItsTypeAndRealsBitForBit) {
    const std::vector<double> reals = {0.1,     1.0,         -0.0,
                                       1.0 / 3, 123456789.0, 1e21,
                                       5e-324,  1e300,       std::numeric_limits<double>::lowest()};
    PreferenceStore store;
    for (size_t i = 0; i < reals.size(); ++i) store.Put("reals", std::to_string(i), reals[i]);
    store.Put("", "on", false);
    store.Put("Ortaq", "min", std::numeric_limits<int32_t>::min());
    store.Put("Ortaq", "max", std::numeric_limits<int32_t>::max());
    store.Put("Ortaq", "Unité", std::string("« Parallélogramme » \"a\" \\ \n\t\x01 €"));
    store.Save(path_);

    PreferenceStore back;
    back.Put("Ortaq", "stale", true);
    EXPECT_EQ(back.Load(path_), std::nullopt);
    EXPECT_EQ(back.All(), store.All());
    for (size_t i = 0; i < reals.size(); ++i) {
        const double* real = back.Find<double>("reals", std::to_string(i));
        ASSERT_NE(real, nullptr) << reals[i];
        EXPECT_EQ(std::bit_cast<uint64_t>(*real), std::bit_cast<uint64_t>(reals[i])) << reals[i];
    }
}

TEST_F(PreferenceFile, ASaveKeepsThePreviousFileAsBakAndLeavesNothingElse) {
    PreferenceStore store;
    store.Put("Ortaq", "n", int32_t{1});
    store.Save(path_);
    EXPECT_EQ(Files(), std::vector<std::string>{"prefs.json"});
    const std::string first = ReadTextFile(path_);

    store.Put("Ortaq", "n", int32_t{2});
    store.Save(path_);
    EXPECT_EQ(Files(), (std::vector<std::string>{"prefs.json", "prefs.json.bak"}));
    EXPECT_EQ(ReadTextFile(path_ + ".bak"), first);
    PreferenceStore back;
    back.Load(path_);
    EXPECT_EQ(*back.Find<int32_t>("Ortaq", "n"), 2);
}

TEST_F(PreferenceFile, ASaveThatFailsLeavesThePreviousFileAsItWas) {
    WriteTextFile(path_, "{}\n");
    // A backup that cannot be replaced stops the save before the file is touched.
    std::filesystem::create_directories(path_ + ".bak/inside");
    PreferenceStore store;
    store.Put("Ortaq", "n", int32_t{1});
    EXPECT_THROW(store.Save(path_), std::runtime_error);
    EXPECT_EQ(ReadTextFile(path_), "{}\n");
    EXPECT_EQ(Files(), (std::vector<std::string>{"prefs.json", "prefs.json.bak"}));
}

TEST_F(PreferenceFile, AMissingFileIsAnEmptyStoreWithoutAWord) {
    PreferenceStore store;
    store.Put("Ortaq", "n", int32_t{1});
    EXPECT_EQ(store.Load(path_), std::nullopt);
    EXPECT_TRUE(store.All().empty());
    EXPECT_TRUE(Files().empty());
}

struct CorruptFile {
    std::string text;
    const char* reason;
};

class CorruptFiles : public PreferenceFile, public ::testing::WithParamInterface<CorruptFile> {};

TEST_P(CorruptFiles, AreMovedAsideInOneLineAndTheStoreStartsEmpty) {
    WriteTextFile(path_, GetParam().text);
    PreferenceStore store;
    store.Put("Ortaq", "stale", true);
    EXPECT_EQ(store.Load(path_), SetAsideLine(GetParam().reason, path_ + ".bad"));
    EXPECT_TRUE(store.All().empty());
    EXPECT_EQ(Files(), std::vector<std::string>{"prefs.json.bad"});
    EXPECT_EQ(ReadTextFile(path_ + ".bad"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    PreferenceStore, CorruptFiles,
    ::testing::Values(
        CorruptFile{"", "JSON offset 0: unexpected end of input; expected '[', '{', or a literal"},
        CorruptFile{"{\"Ortaq\": {\"n\": 1,}}",
                    "JSON offset 18: unexpected '}'; expected string literal"},
        CorruptFile{"{\"Ortaq\": {\"r\": 1e999}}",
                    "JSON offset 20: number overflow parsing '1e999'"},
        CorruptFile{"[1, 2]", "not an object of prefixes"},
        CorruptFile{"{\"Ortaq\": 3}", "prefix \"Ortaq\" is not an object of keys"},
        CorruptFile{"{\"Ortaq\": {\"a\": 1, \"n\": null}}",
                    "key \"n\" of prefix \"Ortaq\" is not a truth value, number or text"},
        CorruptFile{"{\"Ortaq\": {\"n\": 2147483648}}",
                    "key \"n\" of prefix \"Ortaq\" does not fit in 32 bits"},
        CorruptFile{"{\"Ortaq\": {\"n\": 18446744073709551615}}",
                    "key \"n\" of prefix \"Ortaq\" does not fit in 32 bits"},
        CorruptFile{"{\"Ortaq\": {\"s\": \"\\u0394\"}}",
                    "key \"s\" of prefix \"Ortaq\": the text has a character Windows-1252 lacks"},
        CorruptFile{"{\"Ortaq\": {\"\\u0394\": 1}}",
                    "key \"Δ\" of prefix \"Ortaq\": the key has a character Windows-1252 lacks"},
        CorruptFile{"{\"\\u0394\": {\"n\": 1}}",
                    "key \"n\" of prefix \"Δ\": the prefix has a character Windows-1252 lacks"},
        CorruptFile{std::string(17000, '['), "JSON offset 256: nested deeper than 256 levels"},
        CorruptFile{"{\"Ortaq\": {\"s\": \"\\q\"}}",
                    "JSON offset 18: invalid string: forbidden character after backslash; last "
                    "read: '\"\\q'"},
        CorruptFile{"{\"Ortaq\": {\"s\": \"a\nb\"}}",
                    "JSON offset 18: invalid string: control character U+000A (LF) must be "
                    "escaped to \\u000A or \\n; last read: '\"a<U+000A>'"},
        CorruptFile{"{\"Ortaq\": {\"n\": 01}}",
                    "JSON offset 17: unexpected number literal; expected '}'"},
        CorruptFile{"{\"Ortaq\": {\"s\": \"\\ud800\"}}",
                    "JSON offset 23: invalid string: surrogate U+D800..U+DBFF must be followed by "
                    "U+DC00..U+DFFF; last read: '\"\\ud800\"'"}));

struct UnreadablePlace {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* reason;
    bool onlyPermissionsStopIt = false;  // root reads it all the same
};

class UnreadablePlaces : public PreferenceFile,
                         public ::testing::WithParamInterface<UnreadablePlace> {};

TEST_P(UnreadablePlaces, StopTheLoadLeavingTheStoreAndThePlaceAsTheyWere) {
    if (GetParam().onlyPermissionsStopIt && ::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root from reading";
    GetParam().make(path_);
    const std::vector<std::string> before = Files();
    PreferenceStore store;
    store.Put("Ortaq", "kept", true);
    try {
        store.Load(path_);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(error.what(), "cannot read " + path_ + " (" + GetParam().reason + ")");
    }
    EXPECT_NE(store.Find<bool>("Ortaq", "kept"), nullptr);
    EXPECT_EQ(Files(), before);
}

INSTANTIATE_TEST_SUITE_P(
    PreferenceStore, UnreadablePlaces,
    ::testing::Values(
        UnreadablePlace{"Folder",
                        [](const std::string& path) { std::filesystem::create_directory(path); },
                        "not a regular file"},
        UnreadablePlace{
            "Device",
            [](const std::string& path) { std::filesystem::create_symlink("/dev/null", path); },
            "not a regular file"},
        UnreadablePlace{
            "LinkToItself",
            [](const std::string& path) { std::filesystem::create_symlink("prefs.json", path); },
            "Too many levels of symbolic links"},
        UnreadablePlace{"FileWhoseReadFails",  // the process's memory has nothing at address 0
                        [](const std::string& path) {
                            std::filesystem::create_symlink("/proc/self/mem", path);
                        },
                        "Input/output error"},
        UnreadablePlace{"FileWithoutReadPermission",
                        [](const std::string& path) {
                            WriteTextFile(path, "{}");
                            std::filesystem::permissions(path, std::filesystem::perms::none);
                        },
                        "Permission denied", true}),
    CaseName<UnreadablePlace>);

TEST_F(PreferenceFile, FiftyThousandKeysReadBackEveryOne) {
    PreferenceStore store;
    for (int i = 0; i < 50000; ++i) store.Put("Ortaq", "key " + std::to_string(i), int32_t{i});
    store.Save(path_);
    PreferenceStore back;
    EXPECT_EQ(back.Load(path_), std::nullopt);
    EXPECT_EQ(back.All(), store.All());
}

TEST_F(PreferenceFile, ASecondBadFileDoesNotReplaceTheFirst) {
    PreferenceStore store;
    WriteTextFile(path_, "first");
    store.Load(path_);
    WriteTextFile(path_, "second");
    EXPECT_EQ(store.Load(path_),
              SetAsideLine("JSON offset 0: invalid literal; last read: 's'", path_ + ".bad.2"));
    EXPECT_EQ(ReadTextFile(path_ + ".bad"), "first");
    EXPECT_EQ(ReadTextFile(path_ + ".bad.2"), "second");
}

struct UnwritablePlace {
    const char* file;  // in the test's folder, which holds a plain file "plain"
    const char* reason;
};

class UnwritablePlaces : public PreferenceFile,
                         public ::testing::WithParamInterface<UnwritablePlace> {};

TEST_P(UnwritablePlaces, AreReportedNamingTheFileAndTheReason) {
    WriteTextFile(dir_ + "/plain", "");
    const std::string path = dir_ + "/" + GetParam().file;
    PreferenceStore store;
    store.Put("Ortaq", "n", int32_t{1});
    try {
        store.Save(path);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(error.what(), "cannot write " + path + " (" + GetParam().reason + ")");
    }
    EXPECT_EQ(Files(), std::vector<std::string>{"plain"});
}

INSTANTIATE_TEST_SUITE_P(PreferenceStore, UnwritablePlaces,
                         ::testing::Values(UnwritablePlace{"missing/prefs.json",
                                                           "No such file or directory"},
                                           UnwritablePlace{"plain/prefs.json", "Not a directory"}));

}  // namespace
