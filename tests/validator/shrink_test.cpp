// Delta debugging keeps only the lines a failure needs, in their order.
#include "emulator/drivers/validator/shrink.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;

// Fails when NEEDED appear in LINES in that order (others may lie between).
auto FailsWith(const Lines& needed) {
    return [needed](const Lines& lines) {
        auto at = lines.begin();
        for (const std::string& line : needed) {
            at = std::find(at, lines.end(), line);
            if (at == lines.end()) return false;
            ++at;
        }
        return true;
    };
}

Lines Numbered(int count) {
    Lines lines;
    for (int i = 1; i <= count; ++i) lines.push_back("l" + std::to_string(i));
    return lines;
}

struct ShrinkCase {
    const char* what;
    int lines;
    Lines needed;
};

TEST(Shrink, KeepsExactlyTheLinesTheFailureNeedsInOrder) {
    const ShrinkCase cases[] = {
        {"one line among many", 200, {"l137"}},
        {"the first and the last", 200, {"l1", "l200"}},
        {"three spread out", 150, {"l7", "l80", "l81"}},
        {"every line", 5, {"l1", "l2", "l3", "l4", "l5"}},
        {"a repeated need is met by one line each time", 9, {"l3", "l9"}},
    };
    for (const ShrinkCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(emulator::Shrink(Numbered(c.lines), FailsWith(c.needed)), c.needed);
    }
}

TEST(Shrink, ALineThatMustComeTwiceStaysTwice) {
    Lines lines = {"start", "click", "move", "click", "quit"};
    Lines needed = {"click", "click"};
    EXPECT_EQ(emulator::Shrink(lines, FailsWith(needed)), needed);
}

TEST(Shrink, LinesThatOnlyGoTogetherGoTogether) {
    // An "up" without its "down" cannot be played: neither line can go alone.
    Lines lines = {"start", "down", "up", "menu", "down", "up", "click"};
    auto fails = [](const Lines& candidate) {
        int down = 0;
        for (const std::string& line : candidate) {
            if (line == "down") ++down;
            if (line == "up" && down-- == 0) return false;
        }
        return FailsWith({"start", "click"})(candidate);
    };
    EXPECT_EQ(emulator::Shrink(lines, fails), (Lines{"start", "click"}));
}

TEST(Shrink, AFailureThatNeedsNoLineShrinksToNone) {
    EXPECT_TRUE(emulator::Shrink(Numbered(10), [](const Lines&) { return true; }).empty());
}

TEST(Shrink, AsksOnlyAboutOrderedSublistsOfTheLines) {
    Lines lines = Numbered(40);
    bool sublists = true;
    emulator::Shrink(lines, [&](const Lines& candidate) {
        sublists = sublists && FailsWith(candidate)(lines);
        return FailsWith({"l5", "l33"})(candidate);
    });
    EXPECT_TRUE(sublists);
}

}  // namespace
