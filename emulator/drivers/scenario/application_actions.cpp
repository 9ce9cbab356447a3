// What the application does to the plug-in, and what a driver asks of the run itself.
#include <stdexcept>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "host/messages.h"

namespace emulator {
namespace {

// An action of one word and no argument: the host does ACT.
Action Plain(const std::string& name, const std::string& summary, void (Host::*act)()) {
    return {name, name, summary, [act](const ActionArguments& args) -> Effect {
                args.ExpectCount(0);
                return [act](Host& host, ActionContext&) { (host.*act)(); };
            }};
}

// The pairs the host sends itself, and the action that does. Sent raw, they would skip
// the host's own bookkeeping: a plug-in started or shut down behind its back leaves its
// record or its panel behind when the host quits.
struct LifecyclePair {
    const char* caller;
    const char* selector;
    const char* action;
};
constexpr LifecyclePair kLifecyclePairs[] = {
    {kSPInterfaceCaller, kSPInterfaceStartupSelector, "start"},
    {kSPInterfaceCaller, kSPInterfaceShutdownSelector, "quit"},
    {kSPAccessCaller, kSPAccessUnloadSelector, "unload"},
    {kSPAccessCaller, kSPAccessReloadSelector, "reload"},
};

Effect CompileCall(const ActionArguments& args) {
    args.ExpectCount(2);
    std::string caller = args.HostText(0), selector = args.HostText(1);
    for (const LifecyclePair& pair : kLifecyclePairs)
        if (caller == pair.caller && selector == pair.selector)
            throw SyntaxError("the host sends \"" + caller + "\"/\"" + selector +
                              "\" itself: use " + pair.action);
    return [caller, selector](Host& host, ActionContext&) { host.Call(caller, selector); };
}

Effect CompileWithoutSuite(const ActionArguments& args) {
    args.ExpectCount(2);
    return [name = args.Text(0), version = args.Integer(1)](Host& host, ActionContext&) {
        if (host.Started() || !host.Plugin().Calls().empty())
            throw std::runtime_error("without-suite must come before start");
        if (!host.Suites().LeaveOut(name, version))
            throw std::runtime_error("the host serves no suite \"" + name + "\" version " +
                                     std::to_string(version));
    };
}

Effect CompileAlert(const ActionArguments& args) {
    args.ExpectCount(1);
    if (!args.Reads(0, "ok")) args.BadUsage();
    return [](Host& host, ActionContext&) { host.AnswerAlert(); };
}

Effect CompileSnapshot(const ActionArguments& args) {
    args.ExpectCount(1);
    return [name = args.Text(0)](Host&, ActionContext& context) { context.Snapshot(name); };
}

}  // namespace

std::vector<Action> ApplicationActions() {
    return {
        Plain("start",
              "\"SP Interface\"/\"Startup\", then \"AI Notifier\"/\"AI Notify\" to every notifier "
              "the plug-in added for \"AI Application Started Notifier\". A start-up that "
              "answers an error leaves the plug-in not started.",
              &Host::Start),
        Plain("quit", "\"SP Interface\"/\"Shutdown\"", &Host::Quit),
        Plain("unload", "\"SP Access\"/\"Unload\", then the plug-in's code is dropped (`dlclose`)",
              &Host::Unload),
        Plain("reload", "the code is loaded again, then \"SP Access\"/\"Reload\"", &Host::Reload),
        Plain("about", "\"SP Interface\"/\"About\"", &Host::About),
        {"call", "call CALLER SELECTOR",
         "sends any other pair, with a zeroed record of the type that caller uses. The pairs "
         "of `start`, `quit`, `unload` and `reload` are refused: only those actions keep the "
         "host's account of the plug-in right",
         CompileCall, true},
        {"snapshot", "snapshot NAME",
         "keeps the host's state at this point under `\"snapshots\"` in the JSON", CompileSnapshot,
         true},
        {"alert", "alert ok", "answers the alert on screen", CompileAlert, true},
        {"without-suite", "without-suite \"NAME\" VERSION",
         "the host stops serving one suite (before `start`)", CompileWithoutSuite, true},
    };
}

}  // namespace emulator
