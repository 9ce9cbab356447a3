// Plays a scenario: a script of what the user and the application do, one action a line.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "emulator/host/host.h"
#include "emulator/host/json.h"
#include "emulator/host/scenario/tokenizer.h"

namespace host {

// A scenario line that cannot be played: "FILE:LINE: message".
class ScenarioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class Player {
  public:
    explicit Player(Host& host) : host_(host) {}

    // Reads every line of TEXT (named FILE in messages) and queues its actions. Throws
    // ScenarioError for the first line that is not a well-formed action.
    void Load(const std::string& file, const std::string& text);

    // Plays the queued actions, then ends as the host quits. Throws ScenarioError for an
    // action that cannot be carried out.
    void Play();

    // Lines that did nothing, as a real interface does nothing (a disabled item, say):
    // "FILE:LINE: why", also printed on stderr when they happen.
    const std::vector<std::string>& Notices() const { return notices_; }

    // States taken by "snapshot NAME", in order.
    const std::vector<std::pair<std::string, Json>>& Snapshots() const { return snapshots_; }
    // The final state with the snapshots.
    Json State() const;

  private:
    using Step = std::function<void()>;
    Step Compile(const std::vector<Word>& words, int line);
    Step CompileLayer(const std::vector<Word>& words);
    Step CompileDialogAction(const std::vector<Word>& words, int line);

    Host& host_;
    void Notice(int line, const std::string& why);

    std::string file_;
    std::vector<std::string> notices_;
    std::vector<std::pair<std::string, Json>> snapshots_;
};

}  // namespace host
