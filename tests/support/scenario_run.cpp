#include "tests/support/scenario_run.h"

#include <gtest/gtest.h>

#include "emulator/drivers/scenario/player.h"

emulator::Json PlayScenario(const std::string& scenario,
                            const std::function<void(emulator::Host&)>& prepare,
                            std::vector<std::string>* notices) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    std::string error;
    if (!host.LoadPlugin(error)) throw std::runtime_error(error);
    if (prepare) prepare(host);
    emulator::Player player(host);
    player.Load("scenario", scenario);
    player.Play();
    if (notices != nullptr) *notices = player.NoticesGiven();
    return player.State();
}

std::vector<emulator::Json> CallsTo(const emulator::Json& state, const std::string& caller,
                                    const std::string& selector) {
    std::vector<emulator::Json> found;
    for (const emulator::Json& call : state.at("calls"))
        if (call.at("caller").get<std::string>() == caller &&
            call.at("selector").get<std::string>() == selector)
            found.push_back(call);
    return found;
}
