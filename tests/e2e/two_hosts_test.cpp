// Two hosts in one process, each with the plug-in started and its loop on a thread of its
// own, driven in turns: each keeps its own document, handles and panel, and ends as the
// same steps played alone would leave it.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <future>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "emulator/core/host.h"
#include "emulator/drivers/web/session.h"
#include "tests/support/scenario_run.h"
#include "tests/support/state_lookup.h"

namespace {

// A host whose user-interface thread runs its loop until its session quits.
class RunningHost {
  public:
    explicit RunningHost(const std::string& plugin) {
        std::promise<void> ready;
        std::future<void> started = ready.get_future();
        thread_ = std::thread([this, plugin, &ready] {
            // The loop belongs to the thread that makes the host.
            host_ = std::make_unique<emulator::Host>(plugin);
            std::string error;
            if (!host_->LoadPlugin(error)) {
                ready.set_exception(std::make_exception_ptr(std::runtime_error(error)));
                return;
            }
            session_ = std::make_unique<emulator::WebSession>(*host_, testing::TempDir());
            ready.set_value();
            host_->Loop().Run();
            host_->Finish();
        });
        try {
            started.get();
        } catch (...) {
            thread_.join();
            throw;
        }
    }
    ~RunningHost() {
        if (thread_.joinable()) Quit();
    }
    RunningHost(const RunningHost&) = delete;
    RunningHost& operator=(const RunningHost&) = delete;

    // Plays LINE as the page would; the test fails when the host refuses it.
    void Act(const std::string& line) {
        emulator::WebReply reply = session_->Act(line);
        EXPECT_EQ(reply.status, 200) << line << ": " << reply.body;
    }
    // The host's whole state now, as the page reads it.
    emulator::Json State() {
        emulator::WebReply reply = session_->State();
        EXPECT_EQ(reply.status, 200) << reply.body;
        return emulator::Json::parse(reply.body);
    }
    // Ends the session and waits for the host to quit.
    void Quit() {
        session_->Quit();
        thread_.join();
    }

    emulator::Host& Host() { return *host_; }

  private:
    std::thread thread_;
    std::unique_ptr<emulator::Host> host_;
    std::unique_ptr<emulator::WebSession> session_;
};

// The lines of a scenario, one action each.
std::vector<std::string> Lines(const std::string& scenario) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = scenario.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(scenario.substr(start, end - start));
    return lines;
}

// A second copy of the plug-in's library: one library loaded twice in a process is one
// code with one set of statics, and the plug-in keeps its plug-in reference and its
// globals there between messages.
std::string SecondLibrary() {
    std::filesystem::path library(ORTAQ_PLUGIN_PATH);
    std::filesystem::path copy =
        std::filesystem::temp_directory_path() /
        ("ortaq-second-" + std::to_string(std::random_device{}()) + library.extension().string());
    std::filesystem::copy_file(library, copy, std::filesystem::copy_options::overwrite_existing);
    return copy.string();
}

const std::string kSquare = "start\nselect-tool\npanel menu 1\nclick 100 500\nclick 160 520\n";
const std::string kQuadrilateral =
    "start\nselect-tool\nclick 300 300\nclick 420 310\nclick 400 400\nclick 310 380\n"
    "panel type 3 \"120,5\"\n";

TEST(TwoHosts, EachKeepsItsDocumentHandlesAndPanelAsIfAlone) {
    std::string second = SecondLibrary();
    std::vector<std::string> firstLines = Lines(kSquare), secondLines = Lines(kQuadrilateral);
    {
        RunningHost first(ORTAQ_PLUGIN_PATH), other(second);
        for (size_t i = 0; i < std::max(firstLines.size(), secondLines.size()); ++i) {
            if (i < firstLines.size()) first.Act(firstLines[i]);
            if (i < secondLines.size()) other.Act(secondLines[i]);
        }

        // A handle of one host is nothing to the other.
        std::vector<emulator::Art*> firstPaths = first.Host().Drawing().Paths();
        std::vector<emulator::Art*> otherPaths = other.Host().Drawing().Paths();
        ASSERT_FALSE(firstPaths.empty());
        ASSERT_FALSE(otherPaths.empty());
        for (emulator::Art* path : firstPaths)
            EXPECT_EQ(other.Host().Drawing().FindArt(first.Host().Drawing().HandleOf(path)),
                      nullptr);
        HostDialogRef firstPanel = first.Host().Dialogs().HandleOf(first.Host().Dialogs().Panel());
        ASSERT_NE(firstPanel, nullptr);
        EXPECT_EQ(other.Host().Dialogs().FindDialog(firstPanel), nullptr);

        emulator::Json firstState = first.State(), otherState = other.State();
        first.Quit();
        other.Quit();
        EXPECT_TRUE(first.Host().Errors().empty());
        EXPECT_TRUE(other.Host().Errors().empty());

        for (auto [state, scenario] :
             {std::pair{&firstState, kSquare}, std::pair{&otherState, kQuadrilateral}}) {
            emulator::Json alone = Snapshot(PlayScenario(scenario + "snapshot end\n"), "end");
            EXPECT_EQ(state->at("document"), alone.at("document")) << scenario;
            EXPECT_EQ(Panel(*state), Panel(alone)) << scenario;
        }
        EXPECT_NE(Panel(firstState), Panel(otherState));
    }
    std::filesystem::remove(second);
}

}  // namespace
