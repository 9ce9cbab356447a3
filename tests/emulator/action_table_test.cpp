// How the action table reads a line's words: which action, which arguments, which message.
#include "emulator/drivers/scenario/action_table.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"
#include "tests/support/runtime_error.h"

namespace {

// An action that keeps the arguments it was given in SEEN and expects COUNT of them.
emulator::Action Recording(const std::string& name, const std::string& usage, size_t count,
                           std::vector<std::string>& seen) {
    return {name, usage, "",
            [count, &seen](const emulator::ActionArguments& args) -> emulator::Effect {
                args.ExpectCount(count);
                seen.clear();
                for (size_t i = 0; i < args.Count(); ++i) seen.push_back(args.Text(i));
                if (args.Count() > 0) args.Integer(0);
                return {};
            }};
}

class Table : public ::testing::Test {
  protected:
    emulator::ActionTable table{{Recording("wait", "wait SECONDS", 1, seen),
                                 Recording("box tick", "box tick N", 1, seen),
                                 Recording("box clear", "box clear", 0, seen)}};
    std::vector<std::string> seen;

    std::optional<std::string> RefusalOf(const std::string& line) {
        return RuntimeErrorOf([&] { table.Compile(emulator::SplitWords(line)); });
    }
};

TEST_F(Table, GivesEachActionTheWordsAfterItsName) {
    table.Compile(emulator::SplitWords("wait 3"));
    EXPECT_EQ(seen, std::vector<std::string>{"3"});
    table.Compile(emulator::SplitWords("box tick 7"));
    EXPECT_EQ(seen, std::vector<std::string>{"7"});
    table.Compile(emulator::SplitWords("box clear"));
    EXPECT_EQ(seen, std::vector<std::string>{});
}

struct Refusal {
    const char* name;
    const char* line;
    const char* message;
};

class Refusals : public Table, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, SayWhatIsWrong) {
    EXPECT_EQ(RefusalOf(GetParam().line), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    ::testing::Values(
        Refusal{"UnknownVerb", "jump 3", "unknown action \"jump\""},
        Refusal{"OneFormVerbGivesItsUsage", "wait", "usage: wait SECONDS"},
        Refusal{"UnknownForm", "box shake", "usage: box tick N | clear"},
        Refusal{"MissingForm", "box", "usage: box tick N | clear"},
        Refusal{"WrongCountGivesEveryForm", "box clear 1", "usage: box tick N | clear"},
        Refusal{"ArgumentKeepsItsOwnMessage", "box tick x", "\"x\" is not a whole number"}),
    CaseName<Refusal>);

}  // namespace
