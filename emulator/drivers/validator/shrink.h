// Delta debugging over a list of scenario lines: the fewest lines that still fail.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace emulator {

// Removes lines of LINES, which FAILS, while what is left still fails, until no single line
// nor pair of neighbouring lines can go (a 1-minimal list, and a down with its up gone
// together). FAILS is only asked about lists taken from LINES in order.
std::vector<std::string> Shrink(std::vector<std::string> lines,
                                const std::function<bool(const std::vector<std::string>&)>& fails);

}  // namespace emulator
