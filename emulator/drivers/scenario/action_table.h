// The actions a driver can use, each once: the scenario player compiles its lines through
// this table, and the list in the documentation is printed from it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/drivers/scenario/action.h"
#include "emulator/drivers/scenario/tokenizer.h"

namespace emulator {

class ActionTable {
  public:
    explicit ActionTable(std::vector<Action> actions);

    // In the order the documentation lists them.
    const std::vector<Action>& Actions() const { return actions_; }

    // Reads WORDS (an action's name, then its arguments; at least one word) as one action.
    // Throws SyntaxError for an unknown verb, for words that do not fit the usage
    // ("usage: ..."), or for an argument that cannot be read.
    Effect Compile(const std::vector<Word>& words) const;

    // The usage of the actions whose name starts with VERB: one action's own, or for a verb
    // that takes a second word every form after it, "panel click N | type N TEXT | ...".
    std::string Usage(const std::string& verb) const;

  private:
    // Whether an action's name starts with VERB.
    bool Knows(const std::string& verb) const;
    // The index of the action whose every name word leads WORDS, or none.
    std::optional<size_t> Find(const std::vector<Word>& words) const;

    std::vector<Action> actions_;
    // Each action's name split into words once: every scenario line is looked up here.
    std::vector<std::vector<std::string>> names_;
};

}  // namespace emulator
