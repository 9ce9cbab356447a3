// The host's actions agree with their own arguments: each reads a line written from them.
#include "emulator/drivers/scenario/host_actions.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/runtime_error.h"

namespace {

using emulator::ArgumentForm;

// Words any argument of that form reads, whatever it means.
std::vector<std::string> WordsFor(const emulator::Argument& argument) {
    if (argument.kind == emulator::ArgumentKind::kWord) return {argument.words.back()};
    switch (emulator::FormOf(argument.kind)) {
        case ArgumentForm::kText:
            return {"a b"};
        case ArgumentForm::kWhole:
            return {"3"};
        case ArgumentForm::kReal:
            return {"2"};
        case ArgumentForm::kSingle:
            return {"0.5"};
        case ArgumentForm::kPoint:
            return {"1", "2"};
        case ArgumentForm::kPoints:
            return {"0", "0", "1", "1", "2", "0"};
        case ArgumentForm::kPreference:
            return {"int", "1"};
    }
    return {};
}

// The words of a line of ACTION, with each optional part or with none.
std::vector<emulator::Word> LineOf(const emulator::Action& action, bool everyPart) {
    std::vector<emulator::Word> words;
    std::istringstream name(action.name);
    for (std::string word; name >> word;) words.push_back({word});
    for (const emulator::Argument& argument : action.arguments) {
        if (argument.presence != emulator::Presence::kRequired && !everyPart) continue;
        for (const std::string& word : WordsFor(argument)) words.push_back({word, argument.quoted});
    }
    return words;
}

TEST(HostActions, EachReadsTheLinesItsArgumentsDescribe) {
    const emulator::ActionTable& table = emulator::HostActions();
    for (const emulator::Action& action : table.Actions()) {
        SCOPED_TRACE(action.Usage());
        for (bool everyPart : {false, true})
            EXPECT_NO_THROW(table.Compile(LineOf(action, everyPart))) << everyPart;
        std::vector<emulator::Word> tooLong = LineOf(action, true);
        tooLong.push_back({"7"});
        std::optional<std::string> refusal = RuntimeErrorOf([&] { table.Compile(tooLong); });
        EXPECT_EQ(refusal.value_or("").rfind("usage: ", 0), 0u) << refusal.value_or("");
    }
}

}  // namespace
