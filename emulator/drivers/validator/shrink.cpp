#include "emulator/drivers/validator/shrink.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace emulator {
namespace {

// LINES without the CHUNK-th of CHUNKS equal parts.
std::vector<std::string> WithoutChunk(const std::vector<std::string>& lines, size_t chunks,
                                      size_t chunk) {
    size_t begin = lines.size() * chunk / chunks, end = lines.size() * (chunk + 1) / chunks;
    std::vector<std::string> rest(lines.begin(),
                                  lines.begin() + static_cast<std::ptrdiff_t>(begin));
    rest.insert(rest.end(), lines.begin() + static_cast<std::ptrdiff_t>(end), lines.end());
    return rest;
}

// LINES with one of its pairs of neighbouring lines gone while it still FAILS: a pair such
// as a button's down and up, neither of which can go alone. Null when none can go.
std::optional<std::vector<std::string>> WithoutAPair(
    const std::vector<std::string>& lines,
    const std::function<bool(const std::vector<std::string>&)>& fails) {
    for (size_t first = 0; first + 1 < lines.size(); ++first) {
        std::vector<std::string> rest = lines;
        auto at = rest.begin() + static_cast<std::ptrdiff_t>(first);
        rest.erase(at, at + 2);
        if (fails(rest)) return rest;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> Shrink(std::vector<std::string> lines,
                                const std::function<bool(const std::vector<std::string>&)>& fails) {
    size_t chunks = 2;
    while (lines.size() >= 2) {
        bool removed = false;
        for (size_t chunk = 0; chunk < chunks; ++chunk) {
            std::vector<std::string> rest = WithoutChunk(lines, chunks, chunk);
            if (rest.size() == lines.size() || !fails(rest)) continue;
            lines = std::move(rest);
            chunks = std::max<size_t>(chunks - 1, 2);
            removed = true;
            break;
        }
        if (removed) continue;
        if (chunks < lines.size()) {
            chunks = std::min(chunks * 2, lines.size());
            continue;
        }
        std::optional<std::vector<std::string>> fewer = WithoutAPair(lines, fails);
        if (!fewer) break;
        lines = std::move(*fewer);
        chunks = 2;
    }
    if (lines.size() == 1 && fails({})) lines.clear();
    return lines;
}

}  // namespace emulator
