// A scenario file compiled line by line through the action table, as `play` loads it
// before anything runs: a line that does not read must be refused with a ScenarioError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/player.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The host is never started: loading only compiles, so no plug-in is needed.
    emulator::Host host("/nonexistent/libortaq.so");
    emulator::Player player(host);
    try {
        player.Load("fuzz.scn", std::string(reinterpret_cast<const char*>(data), size));
    } catch (const emulator::ScenarioError&) {
    }
    return 0;
}
