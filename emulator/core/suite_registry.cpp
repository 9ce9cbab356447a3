#include "emulator/core/suite_registry.h"

#include "emulator/core/suites/catalogue.h"

namespace emulator {

SuiteRegistry::SuiteRegistry() {
    for (const ServedSuite& suite : Catalogue()) tables_[{suite.name, suite.version}] = suite.table;
}

bool SuiteRegistry::LeaveOut(const std::string& name, int32_t version) {
    if (!tables_.contains({name, version})) return false;
    leftOut_.insert({name, version});
    return true;
}

bool SuiteRegistry::Serves(const std::string& name, int32_t version) const {
    return tables_.contains({name, version}) && !leftOut_.contains({name, version});
}

HostErr SuiteRegistry::Acquire(const std::string& name, int32_t version, const void** table) {
    *table = nullptr;
    if (!Serves(name, version)) return kHostErrSuiteNotFound;
    *table = tables_.at({name, version});
    ++held_[{name, version}];
    ++acquisitions_;
    return kHostNoError;
}

HostErr SuiteRegistry::Release(const std::string& name, int32_t version) {
    auto found = held_.find({name, version});
    if (found == held_.end() || found->second == 0) return kHostErrSuiteNotHeld;
    --found->second;
    ++releases_;
    return kHostNoError;
}

int64_t SuiteRegistry::HeldCount() const {
    int64_t count = 0;
    for (const auto& [key, holds] : held_) count += holds;
    return count;
}

}  // namespace emulator
