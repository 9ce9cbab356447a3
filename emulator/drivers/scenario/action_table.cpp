#include "emulator/drivers/scenario/action_table.h"

#include <sstream>

#include "emulator/core/host.h"

namespace emulator {
namespace {

std::vector<std::string> NameWords(const Action& action) {
    std::vector<std::string> words;
    std::istringstream name(action.name);
    for (std::string word; name >> word;) words.push_back(word);
    return words;
}

// EFFECT, unless a modal window is open: then nothing happens, with a notice, and the host
// does not paint.
Effect UnderModalsNothing(const std::string& name, Effect effect) {
    return [name, effect = std::move(effect)](Host& host, ActionContext& context) {
        if (const Modals::Window* top = host.ModalWindows().Top()) {
            context.Notice("the " + top->kind + " \"" + top->title + "\" is open: `" + name +
                           "` reaches nothing under it; nothing happens");
            host.Loop().SkipPaint();
            return;
        }
        effect(host, context);
    };
}

void Record(Host& host, const std::string& name) {
    host.Journal().Record(name);
}

// EFFECT, the action NAME told to the host as begun, and again once it is over: a modal
// window it opened ran other actions meanwhile, and what it does after the window closed
// is still its own.
Effect Recorded(const std::string& name, Effect effect) {
    return [name, effect = std::move(effect)](Host& host, ActionContext& context) {
        Record(host, name);
        try {
            effect(host, context);
        } catch (...) {
            Record(host, name);
            throw;
        }
        Record(host, name);
    };
}

}  // namespace

ActionTable::ActionTable(std::vector<Action> actions) : actions_(std::move(actions)) {
    for (const Action& action : actions_) names_.push_back(NameWords(action));
}

std::optional<size_t> ActionTable::Find(const std::vector<Word>& words) const {
    for (size_t index = 0; index < names_.size(); ++index) {
        const std::vector<std::string>& name = names_[index];
        if (name.size() > words.size()) continue;
        bool matches = true;
        for (size_t i = 0; i < name.size() && matches; ++i) matches = words[i].text == name[i];
        if (matches) return index;
    }
    return std::nullopt;
}

std::string ActionTable::Usage(const std::string& verb) const {
    std::vector<const Action*> forms;
    for (size_t index = 0; index < actions_.size(); ++index)
        if (names_[index].front() == verb) forms.push_back(&actions_[index]);
    if (forms.size() == 1) return forms.front()->Usage();
    std::string usage = verb;
    for (const Action* form : forms)
        usage += (form == forms.front() ? " " : " | ") + form->Usage().substr(verb.size() + 1);
    return usage;
}

bool ActionTable::Knows(const std::string& verb) const {
    for (const std::vector<std::string>& name : names_)
        if (name.front() == verb) return true;
    return false;
}

Effect ActionTable::Compile(const std::vector<Word>& words) const {
    const std::string& verb = words.at(0).text;
    if (!Knows(verb)) throw SyntaxError("unknown action \"" + verb + "\"");
    try {
        std::optional<size_t> index = Find(words);
        if (!index) throw UsageError();
        const Action& action = actions_[*index];
        Effect effect =
            action.compile(ActionArguments(words, names_[*index].size(), action.arguments));
        effect = Recorded(action.name, std::move(effect));
        return action.underModal ? effect : UnderModalsNothing(action.name, std::move(effect));
    } catch (const UsageError&) {
        throw SyntaxError("usage: " + Usage(verb));
    }
}

}  // namespace emulator
