// What a user's action came to. A real interface answers some actions by doing nothing (a
// click on a disabled item, say); the driver is then told why, and its run goes on.
#pragma once

#include <string>
#include <utility>

namespace emulator {

struct ActionOutcome {
    bool done = true;
    std::string notice;  // when nothing happened: why, in one line for the driver

    static ActionOutcome Done() { return {}; }
    static ActionOutcome NothingHappens(std::string why) { return {false, std::move(why)}; }

    bool operator==(const ActionOutcome&) const = default;
};

}  // namespace emulator
