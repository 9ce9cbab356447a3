// The suites the host serves, by name and version, and the count of their acquisitions.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "host/types.h"

namespace emulator {

class SuiteRegistry {
  public:
    using Key = std::pair<std::string, int32_t>;

    // Every suite of the host interface, each with its function table.
    SuiteRegistry();

    // Stops serving NAME at VERSION (to exercise a plug-in's error path). False when the
    // host does not serve that suite.
    bool LeaveOut(const std::string& name, int32_t version);

    // Acquisition and release as the basic suite answers them.
    HostErr Acquire(const std::string& name, int32_t version, const void** table);
    HostErr Release(const std::string& name, int32_t version);

    bool Serves(const std::string& name, int32_t version) const;
    size_t ServedCount() const { return tables_.size(); }
    const std::set<Key>& LeftOut() const { return leftOut_; }
    const std::map<Key, int>& Held() const { return held_; }
    int64_t HeldCount() const;
    int64_t Acquisitions() const { return acquisitions_; }
    int64_t Releases() const { return releases_; }

  private:
    std::map<Key, const void*> tables_;
    std::set<Key> leftOut_;
    std::map<Key, int> held_;  // only suites held at least once
    int64_t acquisitions_ = 0;
    int64_t releases_ = 0;
};

}  // namespace emulator
