// The trace of a real run: what the plug-in's calls answered, and nested calls under the
// call that made them.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "tests/support/run_command.h"
#include "tests/support/scenario_run.h"

namespace {

// The lines of the trace written while SCENARIO plays.
std::vector<std::string> TraceOf(const std::string& scenario) {
    std::string dir = TemporaryDirectory();
    PlayScenario(scenario,
                 [&](emulator::Host& host) { host.TraceLog().OpenFile(dir + "/trace.txt"); });
    std::istringstream text(ReadTextFile(dir + "/trace.txt"));
    std::filesystem::remove_all(dir);
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

bool AnyLineMatches(const std::vector<std::string>& lines, const std::string& pattern) {
    std::regex expression(pattern);
    for (const std::string& line : lines)
        if (std::regex_match(line, expression)) return true;
    return false;
}

TEST(TraceAnswers, FunctionsThatAnswerAValueShowIt) {
    std::vector<std::string> lines = TraceOf("start\nmenu \"Masquer KVT.Ortaq\"\n");
    for (const char* pattern :
         {R"( *SP Basic Suite\.IsEqual\(a="Startup", b="Startup"\) -> 1)",
          R"( *SP Basic Suite\.IsEqual\(a="SP Interface", b="SP Access"\) -> 0)",
          R"( *ADM Dialog Suite\.IsVisible\(dialog=0x[0-9a-f]+\) -> 1)",
          R"( *ADM Dialog Suite\.GetItem\(dialog=0x[0-9a-f]+, itemId=-5\) -> 0x[0-9a-f]+)"})
        EXPECT_TRUE(AnyLineMatches(lines, pattern)) << pattern;
}

size_t Indent(const std::string& line) {
    return line.find_first_not_of(' ');
}

TEST(TraceAnswers, TheCallsAPanelsCreationMakesFollowItIndented) {
    std::vector<std::string> lines = TraceOf("start\n");
    auto create = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("ADM Dialog Suite.Create(name=\"KVTOrtaq\"") != std::string::npos;
    });
    ASSERT_NE(create, lines.end());
    EXPECT_EQ(create->back(), ')') << "its answer comes after what it called: " << *create;
    size_t depth = Indent(*create);
    auto end = std::find_if(create + 1, lines.end(),
                            [&](const std::string& line) { return Indent(line) <= depth; });
    ASSERT_NE(end, lines.end());
    EXPECT_TRUE(
        std::regex_match(*end, std::regex(" *-> 0x[0-9a-f]+ \\(ADM Dialog Suite\\.Create\\)")))
        << *end;
    EXPECT_EQ(Indent(*end), depth);
    // The panel's items are made by its initialisation, inside the creation.
    EXPECT_GT(std::count_if(create, end,
                            [](const std::string& line) {
                                return line.find("ADM Dialog Suite.CreateItem(") !=
                                       std::string::npos;
                            }),
              30);
}

}  // namespace
