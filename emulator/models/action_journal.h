// The drivers' actions begun or ended, by name ("click", "panel type"), so that an observer
// can tell who changed what since it last looked. Only the latest kKept are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace emulator {

class ActionJournal {
  public:
    static constexpr size_t kKept = 64;

    void Record(std::string name) {
        names_.push_back(std::move(name));
        if (names_.size() > kKept) names_.pop_front();
        ++recorded_;
    }
    // Where the journal ends now: an observer keeps it to ask later what came since.
    uint64_t End() const { return recorded_; }
    // The names recorded after MARK (an End() answered earlier) that are still kept.
    std::vector<std::string> Since(uint64_t mark) const {
        uint64_t first = recorded_ - names_.size();
        size_t skip = mark > first ? static_cast<size_t>(mark - first) : 0;
        if (skip >= names_.size()) return {};
        return {names_.begin() + static_cast<std::ptrdiff_t>(skip), names_.end()};
    }

  private:
    std::deque<std::string> names_;
    uint64_t recorded_ = 0;
};

}  // namespace emulator
