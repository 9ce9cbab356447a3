// What a run tells its driver without stopping: an action the host carried out as a real
// interface would, by doing nothing (choosing a disabled item, say). Each notice is one
// "FILE:LINE: message" line on a stream (stderr for ortaq-host) and is kept for tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace emulator {

class Notices {
  public:
    explicit Notices(std::ostream& out) : out_(out) {}

    void Add(const std::string& file, int line, const std::string& message);
    // Every notice so far, as printed, in order.
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    std::ostream& out_;
    std::vector<std::string> lines_;
};

}  // namespace emulator
