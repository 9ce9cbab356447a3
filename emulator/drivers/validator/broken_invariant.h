// An invariant of the validator that a look at the host found broken.
#pragma once

#include <string>

namespace emulator {

// A check that failed: NAME says which (the same fault gives the same name), DETAIL where.
struct BrokenInvariant {
    std::string name;
    std::string detail;

    std::string Line() const { return name + ": " + detail; }
};

}  // namespace emulator
