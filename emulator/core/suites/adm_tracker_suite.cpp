// What a tracked button's procedure learns of the mouse: the action and the held keys.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMTrackerSuite;

int32_t HOST_API GetAction(HostTrackerRef tracker) {
    return ServeValue(
        kSuite, "GetAction", int32_t{0}, [&] { return Arguments().Add("tracker", tracker); },
        Needs(Resolve(FindTracker, tracker)),
        [](Host&, const Tracker& found) { return found.action; });
}

HostBool32 HOST_API TestModifier(HostTrackerRef tracker, int32_t modifier) {
    return ServeValue(
        kSuite, "TestModifier", HostBool32{0},
        [&] { return Arguments().Add("tracker", tracker).Add("modifier", modifier); },
        Needs(Resolve(FindTracker, tracker)),
        [&](Host&, const Tracker& found) -> HostBool32 {
            return modifier != 0 && (found.modifiers & modifier) == modifier;
        });
}

const ADMTrackerSuite2 gTable = {.GetAction = GetAction, .TestModifier = TestModifier};

}  // namespace

const void* AdmTrackerSuiteTable() {
    return &gTable;
}

}  // namespace emulator
