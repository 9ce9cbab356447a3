#include "emulator/drivers/validator/validator.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "emulator/common/safe_file.h"
#include "emulator/drivers/validator/isolation.h"
#include "emulator/drivers/validator/runs.h"
#include "emulator/drivers/validator/shrink.h"

namespace emulator {
namespace {

namespace fs = std::filesystem;

// The scratch files of the run under way, in OUT.
struct Scratch {
    explicit Scratch(const std::string& out) : folder(fs::path(out) / ".scratch") {
        fs::create_directories(folder);
    }

    std::string File(const char* name) const { return (folder / name).string(); }

    fs::path folder;
};

std::string ReadLog(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool IsHang(const Finding& finding) {
    return finding.broken.name == kHang;
}

// The scenario file of FINDING: what broke and how to play it, then its lines.
std::string ScenarioText(const Finding& finding, const ValidationOptions& options,
                         const std::vector<std::string>& lines) {
    std::ostringstream text;
    text << "# ortaq-host validate --seed " << options.seed << ": run " << finding.run
         << " broke \"" << finding.broken.name << "\" (" << finding.broken.detail << ")\n";
    if (IsHang(finding))
        text << "# the " << lines.size() << " lines played until it was killed, not shrunk";
    else
        text << "# shrunk from " << finding.playedLines << " lines to " << lines.size();
    text << ". Play it with the checks (PREFS: a file that does not exist yet):\n"
         << "#   ortaq-host play " << fs::path(finding.scenario).filename().string()
         << " --check --prefs PREFS\n";
    for (const std::string& line : lines) text << line << '\n';
    return text.str();
}

// The line PROGRESS gets for FINDING.
std::string ProgressLine(const Finding& finding) {
    std::ostringstream line;
    line << "run " << finding.run << " (seed " << finding.runSeed << "): " << finding.broken.Line()
         << "; " << finding.playedLines << " lines";
    if (IsHang(finding))
        line << " played, not shrunk, in ";
    else
        line << " shrunk to " << finding.scenarioLines << " in ";
    line << finding.scenario << '\n';
    return line.str();
}

// The child processes of one run. An error starting or waiting for one ends the validation
// with a line that names the run, so that it can be played again.
class RunChildren {
  public:
    RunChildren(const ValidationOptions& options, const std::string& resultFile, int run,
                uint64_t runSeed)
        : options_(options), resultFile_(resultFile), run_(run), runSeed_(runSeed) {}

    std::optional<BrokenInvariant> Run(
        const std::function<std::optional<BrokenInvariant>()>& work) const {
        try {
            return RunIsolated(work, resultFile_, options_.timeLimit);
        } catch (const std::exception& error) {
            throw std::runtime_error("validate --seed " + std::to_string(options_.seed) + ", run " +
                                     std::to_string(run_) + " (seed " + std::to_string(runSeed_) +
                                     "): " + error.what());
        }
    }

  private:
    const ValidationOptions& options_;
    const std::string& resultFile_;
    int run_;
    uint64_t runSeed_;
};

}  // namespace

uint64_t RunSeed(uint64_t seed, int run) {
    // SplitMix64: neighbouring runs get unrelated streams.
    uint64_t z = seed + 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(run);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

ValidationReport Validate(const ValidationOptions& options, std::ostream& progress) {
    Scratch scratch(options.out);
    RunPlace place{options.plugin, scratch.File("preferences.json"), scratch.File("drawings")};
    std::string logFile = scratch.File("run.log"), resultFile = scratch.File("result");
    ValidationReport report;
    for (int run = 1; run <= options.runs; ++run) {
        uint64_t runSeed = RunSeed(options.seed, run);
        RunChildren children(options, resultFile, run, runSeed);
        // A child killed before it opened the log must not leave the last run's lines.
        fs::remove(logFile);
        std::optional<BrokenInvariant> broken = children.Run([&] {
            std::ofstream log(logFile, std::ios::trunc);
            return PlayRandomRun(place, runSeed, options.steps, log);
        });
        std::vector<std::string> lines = ScenarioOfLog(ReadLog(logFile));
        ++report.runs;
        report.actions += static_cast<int64_t>(lines.size());
        if (!broken) continue;

        Finding finding{run, runSeed, *broken, lines.size(), {}, 0};
        auto failsTheSameWay = [&](const std::vector<std::string>& candidate) {
            std::optional<BrokenInvariant> again =
                children.Run([&] { return Replay(place, candidate); });
            return again && again->name == broken->name;
        };
        // Each try at shrinking a hang would wait for the time limit.
        std::vector<std::string> shrunk =
            !IsHang(finding) && failsTheSameWay(lines) ? Shrink(lines, failsTheSameWay) : lines;
        finding.scenario =
            (fs::path(options.out) / ("run-" + std::to_string(run) + ".scn")).string();
        finding.scenarioLines = shrunk.size();
        ReplaceFile(finding.scenario, ScenarioText(finding, options, shrunk),
                    PreviousFile::kDropped);
        progress << ProgressLine(finding);
        report.findings.push_back(std::move(finding));
    }
    fs::remove_all(scratch.folder);
    return report;
}

}  // namespace emulator
