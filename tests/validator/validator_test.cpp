// The validator end to end: seeded runs of the real plug-in, a planted fault caught and
// shrunk to a scenario that `play --check` reproduces.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <sstream>

#include "emulator/drivers/validator/runs.h"
#include "emulator/drivers/validator/validator.h"
#include "tests/support/run_command.h"

namespace {

const std::string kHost = ORTAQ_HOST_PATH;

// The lines of a scenario file that are actions.
std::vector<std::string> ActionLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

std::string RandomRunLog(uint64_t seed, const std::string& folder) {
    std::ostringstream log;
    emulator::RunPlace place{ORTAQ_PLUGIN_PATH, folder + "/prefs.json", folder + "/drawings"};
    std::optional<emulator::BrokenInvariant> broken =
        emulator::PlayRandomRun(place, seed, 150, log);
    EXPECT_FALSE(broken) << broken->Line();
    return log.str();
}

TEST(Validator, TheSameSeedPlaysTheSameRun) {
    std::string folder = TemporaryDirectory();
    std::string first = RandomRunLog(7, folder);
    EXPECT_EQ(RandomRunLog(7, folder), first);
    EXPECT_NE(RandomRunLog(8, folder), first);
    EXPECT_GE(emulator::ScenarioOfLog(first).size(), 150u);
}

TEST(Validator, ARandomRunReplaysAsAScenarioWithTheSameChecks) {
    std::string folder = TemporaryDirectory();
    std::string log = RandomRunLog(11, folder);
    emulator::RunPlace place{ORTAQ_PLUGIN_PATH, folder + "/prefs.json", folder + "/drawings"};
    std::optional<emulator::BrokenInvariant> broken =
        emulator::Replay(place, emulator::ScenarioOfLog(log));
    EXPECT_FALSE(broken) << broken->Line();
}

TEST(Validator, RefusedLinesAreLeftOutOfTheScenario) {
    std::string log = "start\nlayer-lock \"Calque 3\"\npanel click 5\n# refused 1\nquit\n";
    EXPECT_EQ(emulator::ScenarioOfLog(log),
              (std::vector<std::string>{"start", "panel click 5", "quit"}));
}

TEST(Validator, TheRealPluginPassesAShortValidation) {
    std::string out = TemporaryDirectory() + "/found";
    CommandResult result =
        RunCommand(kHost + " validate --seed 3 --runs 4 --steps 150 --out " + out);
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_NE(result.out.find("validate: seed 3, 4 runs, "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(" actions, 0 failures\n"), std::string::npos) << result.out;
}

TEST(Validator, APlantedFaultIsCaughtAndShrunkToAScenarioPlayReproduces) {
    std::string out = TemporaryDirectory() + "/found";
    std::string planted = ORTAQ_PLANTED_PLUGIN_PATH;
    CommandResult result = RunCommand(kHost + " validate --plugin " + planted +
                                      " --seed 3 --runs 25 --steps 200 --out " + out);
    ASSERT_EQ(result.status, 4) << result.out << result.err;
    std::smatch found;
    std::string text = result.out;
    ASSERT_TRUE(std::regex_search(
        text, found, std::regex("non-finite coordinate: .* shrunk to ([0-9]+) in (\\S+)\n")))
        << result.out;
    std::string scenario = found[2];
    std::vector<std::string> lines = ActionLines(ReadTextFile(scenario));
    EXPECT_EQ(lines.size(), std::stoul(found[1]));
    // Start, the tool, a figure's clicks and a rectangle the panel's menu completes from
    // them (a kind chosen rewrites no finished figure): about a dozen lines out of the run's
    // hundreds.
    EXPECT_LE(lines.size(), 14u) << ReadTextFile(scenario);

    CommandResult replayed =
        RunCommand(kHost + " play " + scenario + " --check --plugin " + planted);
    EXPECT_EQ(replayed.status, 4) << replayed.err;
    EXPECT_NE(replayed.err.find("broken: non-finite coordinate"), std::string::npos)
        << replayed.err;
    // The fault is the plug-in's: the sound library plays the same lines with no finding.
    CommandResult sound = RunCommand(kHost + " play " + scenario + " --check");
    EXPECT_EQ(sound.status, 0) << sound.err;
}

TEST(Validator, AHungRunIsReportedWithItsSeedAndTheLinesItPlayed) {
    emulator::ValidationOptions options;
    options.plugin = ORTAQ_PLUGIN_PATH;
    options.seed = 3;
    options.runs = 2;
    options.out = TemporaryDirectory() + "/found";
    // No run of the real plug-in ends within a millisecond.
    options.timeLimit = std::chrono::milliseconds(1);
    std::ostringstream progress;
    emulator::ValidationReport report = emulator::Validate(options, progress);
    ASSERT_EQ(report.findings.size(), 2u) << progress.str();
    for (const emulator::Finding& finding : report.findings) {
        SCOPED_TRACE(finding.run);
        EXPECT_EQ(finding.broken.name, "hang");
        EXPECT_EQ(finding.runSeed, emulator::RunSeed(3, finding.run));
        EXPECT_EQ(finding.scenarioLines, finding.playedLines);
        std::string text = ReadTextFile(finding.scenario);
        EXPECT_NE(text.find("# ortaq-host validate --seed 3: run " + std::to_string(finding.run) +
                            " broke \"hang\" (still running after 1 ms, killed)\n"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find(" lines played until it was killed, not shrunk."), std::string::npos)
            << text;
        EXPECT_EQ(ActionLines(text).size(), finding.playedLines);
        EXPECT_NE(progress.str().find("run " + std::to_string(finding.run) + " (seed " +
                                      std::to_string(finding.runSeed) +
                                      "): hang: still running after 1 ms, killed; " +
                                      std::to_string(finding.playedLines) +
                                      " lines played, not shrunk, in " + finding.scenario + "\n"),
                  std::string::npos)
            << progress.str();
    }
}

TEST(Validator, RunSeedsDependOnTheSeedAndTheRun) {
    EXPECT_EQ(emulator::RunSeed(1, 1), emulator::RunSeed(1, 1));
    EXPECT_NE(emulator::RunSeed(1, 1), emulator::RunSeed(1, 2));
    EXPECT_NE(emulator::RunSeed(1, 2), emulator::RunSeed(2, 1));
}

}  // namespace
