#include "emulator/drivers/scenario/player.h"

#include <sstream>

#include "emulator/drivers/scenario/host_actions.h"
#include "emulator/drivers/scenario/tokenizer.h"
#include "emulator/output/state.h"

namespace emulator {

// What the action of one line tells the player.
class Player::LineContext : public ActionContext {
  public:
    LineContext(Player& player, int line) : player_(player), line_(line) {}

    void Notice(const std::string& message) override {
        player_.notices_.Add(player_.file_, line_, message);
    }
    void Snapshot(const std::string& name) override {
        player_.snapshots_.emplace_back(name, HostState(player_.host_));
        if (player_.snapshotListener_) player_.snapshotListener_(name);
    }

  private:
    Player& player_;
    int line_;
};

void Player::Load(const std::string& file, const std::string& text) {
    file_ = file;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        try {
            std::vector<Word> words = SplitWords(line);
            if (words.empty()) continue;
            Effect effect = HostActions().Compile(words);
            host_.Loop().Post({number, [this, effect, number] {
                                   LineContext context(*this, number);
                                   effect(host_, context);
                               }});
        } catch (const SyntaxError& error) {
            throw ScenarioError(file_ + ":" + std::to_string(number) + ": " + error.what());
        }
    }
    host_.Loop().Close();
}

void Player::Play(const std::function<void()>& beforeQuitting) {
    host_.Loop().Run();
    if (!host_.Loop().Failure()) {
        if (beforeQuitting) beforeQuitting();
        try {
            host_.Finish();
        } catch (const std::exception& error) {
            throw ScenarioError(file_ + ": at the end: " + error.what());
        }
    }
    if (const auto& failure = host_.Loop().Failure())
        throw ScenarioError(file_ + ":" + std::to_string(failure->Line()) + ": " + failure->what());
}

Json Player::State() const {
    return FinalState(host_, snapshots_);
}

}  // namespace emulator
