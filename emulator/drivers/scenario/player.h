// Plays a scenario: a script of what the user and the application do, one action a line.
#pragma once

#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "emulator/common/json.h"
#include "emulator/core/host.h"
#include "emulator/drivers/scenario/notices.h"
#include "emulator/output/state.h"

namespace emulator {

// A scenario line that cannot be played: "FILE:LINE: message".
class ScenarioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class Player {
  public:
    // Notices go to NOTICES as they are given.
    explicit Player(Host& host, std::ostream& notices = std::cerr)
        : host_(host), notices_(notices) {}

    // Reads every line of TEXT (named FILE in messages) and queues its actions. Throws
    // ScenarioError for the first line that is not a well-formed action.
    void Load(const std::string& file, const std::string& text);

    // Plays the queued actions, runs BEFOREQUITTING (to look at the screen as the user
    // left it), then ends as the host quits. Throws ScenarioError for an action that cannot
    // be carried out.
    void Play(const std::function<void()>& beforeQuitting = {});

    // LISTENER(NAME) runs at each "snapshot NAME", once the state is kept: to keep more of
    // the screen at that moment.
    void OnSnapshot(std::function<void(const std::string& name)> listener) {
        snapshotListener_ = std::move(listener);
    }

    // States taken by "snapshot NAME", in order.
    const emulator::Snapshots& Snapshots() const { return snapshots_; }
    // The final state with the snapshots.
    Json State() const;
    // What the run said without stopping, "FILE:LINE: message" each, in order.
    const std::vector<std::string>& NoticesGiven() const { return notices_.Lines(); }

  private:
    class LineContext;

    Host& host_;
    Notices notices_;
    std::string file_;
    emulator::Snapshots snapshots_;
    std::function<void(const std::string& name)> snapshotListener_;
};

}  // namespace emulator
