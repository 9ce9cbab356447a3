// What a tracked button's procedure learns of the mouse: the action and the held keys.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/serve.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMTrackerSuite;

// Answers what READ gives of the tracker HANDLE designates, NONE for an unknown one (a
// tracker lives only during its track procedure).
template <typename Value, typename Describe, typename Read>
Value Get(const char* function, HostTrackerRef handle, Value none, Describe describe, Read read) {
    return ServeAnswer(kSuite, function, none, describe, [&](Host& host, Value& value) -> HostErr {
        const Tracker* tracker =
            Found(host, host.Dialogs().FindTracker(handle), function, "tracker");
        if (tracker == nullptr) return kHostErrBadHandle;
        value = read(*tracker);
        return kHostNoError;
    });
}

int32_t HOST_API GetAction(HostTrackerRef tracker) {
    return Get(
        "GetAction", tracker, int32_t{0}, [&] { return Arguments().Add("tracker", tracker); },
        [](const Tracker& found) { return found.action; });
}

HostBool32 HOST_API TestModifier(HostTrackerRef tracker, int32_t modifier) {
    return Get(
        "TestModifier", tracker, HostBool32{0},
        [&] { return Arguments().Add("tracker", tracker).Add("modifier", modifier); },
        [&](const Tracker& found) -> HostBool32 {
            return modifier != 0 && (found.modifiers & modifier) == modifier;
        });
}

const ADMTrackerSuite2 gTable = {.GetAction = GetAction, .TestModifier = TestModifier};

}  // namespace

const void* AdmTrackerSuiteTable() {
    return &gTable;
}

}  // namespace emulator
