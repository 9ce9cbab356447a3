#include "tests/support/scenario_run.h"

#include <gtest/gtest.h>

#include "emulator/host/scenario/player.h"

host::Json PlayScenario(const std::string& scenario,
                        const std::function<void(host::Host&)>& prepare,
                        std::vector<std::string>* notices) {
    host::Host host(ORTAQ_PLUGIN_PATH);
    std::string error;
    if (!host.LoadPlugin(error)) throw std::runtime_error(error);
    if (prepare) prepare(host);
    host::Player player(host);
    player.Load("scenario", scenario);
    player.Play();
    if (notices != nullptr) *notices = player.NoticesGiven();
    return player.State();
}

std::vector<host::Json> CallsTo(const host::Json& state, const std::string& caller,
                                const std::string& selector) {
    std::vector<host::Json> found;
    for (const host::Json& call : state.at("calls"))
        if (call.at("caller").get<std::string>() == caller &&
            call.at("selector").get<std::string>() == selector)
            found.push_back(call);
    return found;
}
