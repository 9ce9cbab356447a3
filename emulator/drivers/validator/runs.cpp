#include "emulator/drivers/validator/runs.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "emulator/drivers/scenario/player.h"
#include "emulator/drivers/scenario/tokenizer.h"
#include "emulator/drivers/validator/random_lines.h"
#include "emulator/drivers/validator/watch.h"

namespace emulator {
namespace {

// What a validation run's actions tell it: notices are what a user sees happen, no finding.
class QuietContext : public ActionContext {
  public:
    void Notice(const std::string&) override {}
    void Snapshot(const std::string&) override {}
};

// A fresh host with the plug-in loaded and the run's preference file read, watched.
struct WatchedHost {
    explicit WatchedHost(const RunPlace& place) : host(place.plugin) {
        std::filesystem::remove(place.preferences);
        std::filesystem::remove_all(place.drawings);
        std::filesystem::create_directories(place.drawings);
        std::string error;
        if (!host.LoadPlugin(error)) throw std::runtime_error(error);
        watch = std::make_unique<Watch>(host, place.preferences);
    }

    // The loop is done: the host quits, and the watch has its last look.
    std::optional<BrokenInvariant> Finish() {
        if (!host.Loop().Failure()) {
            host.Finish();
            watch->AtTheEnd();
        }
        return watch->Broken();
    }

    Host host;
    std::unique_ptr<Watch> watch;
};

// Plays random lines one event at a time: each line is drawn when its event runs, from the
// screen as the previous lines left it, and the next event is queued first so that a modal
// window the line opens has its next action waiting.
class RandomDriver {
  public:
    RandomDriver(Host& host, const RunPlace& place, uint64_t seed, int steps, std::ostream& log)
        : host_(host), lines_(seed, place.drawings), stepsLeft_(steps), log_(log) {}

    void Start() {
        for (const std::string& line : lines_.SetUp(host_)) Play(line);
        host_.Loop().Post({0, [this] { Step(); }});
    }

  private:
    void Step() {
        if (stepsLeft_-- <= 0) {
            host_.Loop().Close();
            return;
        }
        host_.Loop().Post({0, [this] { Step(); }});
        Play(lines_.Next(host_));
    }

    void Play(const std::string& line) {
        Effect effect = HostActions().Compile(SplitWords(line));
        size_t number = linesLogged_++;
        log_ << line << std::endl;
        try {
            QuietContext context;
            effect(host_, context);
        } catch (const std::exception&) {
            // Refused as a real host would refuse it: the line is no part of the run. Lines
            // a modal window's loop ran meanwhile may follow it in the log.
            log_ << kRefusedMark << number << std::endl;
        }
    }

    Host& host_;
    RandomLines lines_;
    int stepsLeft_;
    std::ostream& log_;
    size_t linesLogged_ = 0;
};

}  // namespace

std::vector<std::string> ScenarioOfLog(const std::string& log) {
    std::vector<std::string> lines;
    std::vector<bool> refused;
    std::istringstream in(log);
    std::string mark = kRefusedMark;
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, mark.size(), mark) == 0) {
            size_t number = std::stoul(line.substr(mark.size()));
            if (number < refused.size()) refused[number] = true;
            continue;
        }
        lines.push_back(line);
        refused.push_back(false);
    }
    std::vector<std::string> kept;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!refused[i]) kept.push_back(lines[i]);
    return kept;
}

std::optional<BrokenInvariant> PlayRandomRun(const RunPlace& place, uint64_t seed, int steps,
                                             std::ostream& log) {
    WatchedHost watched(place);
    RandomDriver driver(watched.host, place, seed, steps, log);
    driver.Start();
    watched.host.Loop().Run();
    return watched.Finish();
}

std::optional<BrokenInvariant> Replay(const RunPlace& place,
                                      const std::vector<std::string>& lines) {
    WatchedHost watched(place);
    std::ostringstream quiet;
    Player player(watched.host, quiet);
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    try {
        player.Load("replay", text);
        player.Play();
    } catch (const ScenarioError&) {
        return watched.watch->Broken();
    }
    watched.watch->AtTheEnd();
    return watched.watch->Broken();
}

}  // namespace emulator
