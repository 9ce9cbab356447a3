// How the action table reads a line's words: which action, which words each argument takes,
// which message.
#include "emulator/drivers/scenario/action_table.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"
#include "tests/support/runtime_error.h"

namespace {

using emulator::ArgumentKind;

// The words of argument INDEX read in its kind's form, or "-" when it is left out.
std::string ReadingOf(const emulator::ActionArguments& args, const emulator::Argument& argument,
                      size_t index) {
    if (!args.Has(index)) return "-";
    switch (emulator::FormOf(argument.kind)) {
        case emulator::ArgumentForm::kWhole:
            return std::to_string(args.Integer(index));
        case emulator::ArgumentForm::kPoints: {
            std::string points;
            for (HostRealPoint point : args.Points(index))
                points += "(" + std::to_string(static_cast<int>(point.h)) + "," +
                          std::to_string(static_cast<int>(point.v)) + ")";
            return points;
        }
        default:
            return args.Text(index);
    }
}

// An action that keeps the reading of each of its ARGUMENTS in SEEN.
emulator::Action Recording(const std::string& name, std::vector<emulator::Argument> arguments,
                           std::vector<std::string>& seen) {
    return {name, arguments, "",
            [arguments, &seen](const emulator::ActionArguments& args) -> emulator::Effect {
                seen.clear();
                for (size_t i = 0; i < arguments.size(); ++i)
                    seen.push_back(ReadingOf(args, arguments[i], i));
                return {};
            }};
}

class Table : public ::testing::Test {
  protected:
    std::vector<std::string> seen;
    emulator::ActionTable table{{
        Recording("wait", {emulator::Bare(ArgumentKind::kWholeNumber, "SECONDS")}, seen),
        Recording("box tick", {emulator::Bare(ArgumentKind::kWholeNumber, "N")}, seen),
        Recording("box clear", {}, seen),
        Recording("paint",
                  {emulator::Quoted(ArgumentKind::kText, "COLOUR"),
                   emulator::Optional(emulator::OneOf({"thick"})),
                   emulator::Optional(emulator::OneOf({"dashed"}))},
                  seen),
        Recording("hang",
                  {emulator::Quoted(ArgumentKind::kText, "NAME"),
                   emulator::Optional(emulator::OneOf({"under"})),
                   emulator::WithPrevious(emulator::Quoted(ArgumentKind::kText, "PARENT")),
                   emulator::WithPrevious(emulator::Bare(ArgumentKind::kWholeNumber, "N"))},
                  seen),
        Recording("pick", {emulator::Optional(emulator::Quoted(ArgumentKind::kText, "NAME"))},
                  seen),
        Recording("turn", {emulator::OneOf({"left", "right"})}, seen),
        Recording("trace", {emulator::Bare(ArgumentKind::kPoints, "X1 Y1 X2 Y2 ...")}, seen),
    }};

    std::optional<std::string> RefusalOf(const std::string& line) {
        return RuntimeErrorOf([&] { table.Compile(emulator::SplitWords(line)); });
    }
};

struct Reading {
    const char* name;
    const char* line;
    std::vector<std::string> seen;  // each argument's reading, "-" when left out
};

class Readings : public Table, public ::testing::WithParamInterface<Reading> {};

TEST_P(Readings, GiveEachArgumentItsWords) {
    table.Compile(emulator::SplitWords(GetParam().line));
    EXPECT_EQ(seen, GetParam().seen);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Readings,
    ::testing::Values(Reading{"OneArgument", "wait 3", {"3"}},
                      Reading{"AfterANameOfTwoWords", "box tick 7", {"7"}},
                      Reading{"NoArgument", "box clear", {}},
                      Reading{"FlagsLeftOut", "paint red", {"red", "-", "-"}},
                      Reading{"OneFlag", "paint red dashed", {"red", "-", "dashed"}},
                      Reading{"FlagsInAnyOrder",
                              "paint \"dark red\" dashed thick",
                              {"dark red", "thick", "dashed"}},
                      Reading{"PartLeftOut", "hang a", {"a", "-", "-", "-"}},
                      Reading{"PartThere", "hang a under b 2", {"a", "under", "b", "2"}},
                      Reading{"OptionalTextLeftOut", "pick", {"-"}},
                      Reading{"OptionalTextThere", "pick x", {"x"}},
                      Reading{"OneOfItsWords", "turn right", {"right"}},
                      Reading{"Points", "trace 0 0 1 2 3 4", {"(0,0)(1,2)(3,4)"}}),
    CaseName<Reading>);

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
        Refusal{"ArgumentKeepsItsOwnMessage", "box tick x", "\"x\" is not a whole number"},
        Refusal{"FlagTwice", "paint red thick thick", "usage: paint \"COLOUR\" [thick] [dashed]"},
        Refusal{"UnknownFlag", "paint red bold", "usage: paint \"COLOUR\" [thick] [dashed]"},
        Refusal{"PartCut", "hang a under b", "usage: hang \"NAME\" [under \"PARENT\" N]"},
        Refusal{"PartWithoutItsWord", "hang a over b 2",
                "usage: hang \"NAME\" [under \"PARENT\" N]"},
        Refusal{"ArgumentOfAPartKeepsItsMessage", "hang a under b x",
                "\"x\" is not a whole number"},
        Refusal{"OptionalTextAndAWordTooMany", "pick x y", "usage: pick [\"NAME\"]"},
        Refusal{"NoneOfItsWords", "turn up", "usage: turn left|right"},
        Refusal{"OnePoint", "trace 0 0", "usage: trace X1 Y1 X2 Y2 ..."},
        Refusal{"HalfAPoint", "trace 0 0 1 1 2", "usage: trace X1 Y1 X2 Y2 ..."}),
    CaseName<Refusal>);

// An action that reads an argument otherwise than its kind says is the table's own fault,
// found at the first line it compiles.
TEST(ActionTable, ReadingAnArgumentInAnotherFormIsALogicError) {
    emulator::ActionTable table{{{"name",
                                  {emulator::Bare(ArgumentKind::kLayerTitle, "TITLE")},
                                  "",
                                  [](const emulator::ActionArguments& args) -> emulator::Effect {
                                      args.Integer(0);
                                      return {};
                                  }}}};
    EXPECT_THROW(table.Compile(emulator::SplitWords("name 3")), std::logic_error);
}

}  // namespace
