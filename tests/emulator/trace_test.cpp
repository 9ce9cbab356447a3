// The trace file: calls in the order they start, nested ones indented under their caller,
// each with what it answered.
#include "emulator/core/trace.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/run_command.h"

namespace {

class TraceFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = TemporaryDirectory();
        ASSERT_TRUE(trace_.OpenFile(dir_ + "/trace.txt"));
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Written() {
        trace_ = emulator::Trace();  // closes the file
        return ReadTextFile(dir_ + "/trace.txt");
    }

    static emulator::SuiteCallRecord Call(const char* function, const char* answer) {
        return {"S", function, "x=1", kHostNoError, answer};
    }

    std::string dir_;
    emulator::Trace trace_;
};

TEST_F(TraceFile, ACallWithoutNestedCallsTakesOneLine) {
    trace_.Begin(Call("IsEqual", ""));
    trace_.End(Call("IsEqual", "1"));
    EXPECT_EQ(Written(), "S.IsEqual(x=1) -> 1\n");
}

TEST_F(TraceFile, NestedCallsComeAfterTheirCallerAndIndented) {
    emulator::MessageRecord message{"SP Interface", "Startup", nullptr};
    trace_.Message(message);
    trace_.Begin(Call("Create", ""));
    trace_.Begin(Call("SetText", ""));
    trace_.Note("misuse: something");
    trace_.End(Call("SetText", "0"));
    trace_.Begin(Call("IsVisible", ""));
    trace_.End(Call("IsVisible", "1"));
    trace_.End(Call("Create", "0x10"));
    trace_.Returned("SP Interface", "Startup", 0);
    EXPECT_EQ(Written(),
              "# message SP Interface / Startup\n"
              "  S.Create(x=1)\n"
              "    S.SetText(x=1)\n"
              "      # misuse: something\n"
              "    -> 0 (S.SetText)\n"
              "    S.IsVisible(x=1) -> 1\n"
              "  -> 0x10 (S.Create)\n"
              "# SP Interface / Startup returned 0\n");
}

TEST_F(TraceFile, ListenersHearOfEachCallWhenItEnds) {
    std::vector<std::string> heard;
    trace_.AddListener([&](const emulator::SuiteCallRecord& call) {
        heard.push_back(call.function + " " + call.answer);
    });
    trace_.Begin(Call("Outer", ""));
    trace_.Begin(Call("Inner", ""));
    trace_.End(Call("Inner", "2"));
    trace_.End(Call("Outer", "1"));
    EXPECT_EQ(heard, (std::vector<std::string>{"Inner 2", "Outer 1"}));
}

}  // namespace
