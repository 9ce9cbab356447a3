#include "emulator/drivers/scenario/action_table.h"

#include <sstream>

namespace emulator {
namespace {

std::vector<std::string> NameWords(const Action& action) {
    std::vector<std::string> words;
    std::istringstream name(action.name);
    for (std::string word; name >> word;) words.push_back(word);
    return words;
}

bool StartsWithVerb(const Action& action, const std::string& verb) {
    return NameWords(action).front() == verb;
}

}  // namespace

const Action* ActionTable::Find(const std::vector<Word>& words) const {
    for (const Action& action : actions_) {
        std::vector<std::string> name = NameWords(action);
        if (name.size() > words.size()) continue;
        bool matches = true;
        for (size_t i = 0; i < name.size() && matches; ++i) matches = words[i].text == name[i];
        if (matches) return &action;
    }
    return nullptr;
}

std::string ActionTable::Usage(const std::string& verb) const {
    std::vector<const Action*> forms;
    for (const Action& action : actions_)
        if (StartsWithVerb(action, verb)) forms.push_back(&action);
    if (forms.size() == 1) return forms.front()->usage;
    std::string usage = verb;
    for (const Action* form : forms)
        usage += (form == forms.front() ? " " : " | ") + form->usage.substr(verb.size() + 1);
    return usage;
}

bool ActionTable::Knows(const std::string& verb) const {
    for (const Action& action : actions_)
        if (StartsWithVerb(action, verb)) return true;
    return false;
}

Effect ActionTable::Compile(const std::vector<Word>& words) const {
    const std::string& verb = words.at(0).text;
    if (!Knows(verb)) throw SyntaxError("unknown action \"" + verb + "\"");
    try {
        const Action* action = Find(words);
        if (action == nullptr) throw UsageError();
        return action->compile(ActionArguments(words, NameWords(*action).size()));
    } catch (const UsageError&) {
        throw SyntaxError("usage: " + Usage(verb));
    }
}

}  // namespace emulator
