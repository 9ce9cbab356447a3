// What the application does to the plug-in, and what a driver asks of the run itself.
#include <stdexcept>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "host/messages.h"

namespace emulator {
namespace {

// The plug-in's code is there and started: what a user can reach.
bool Running(const Host& host) {
    return host.Started() && !host.Unloaded();
}

// What the application does to the plug-in, with no argument: the host does ACT, and a run
// does it when WHEN holds.
Action Lifecycle(const std::string& name, const std::string& summary, void (Host::*act)(),
                 bool (*when)(const Host&)) {
    return {.name = name,
            .summary = summary,
            .compile = [act](const ActionArguments&) -> Effect {
                return [act](Host& host, ActionContext&) { (host.*act)(); };
            },
            .role = Role::kLifecycle,
            .when = when};
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
    std::string caller = args.HostText(0), selector = args.HostText(1);
    for (const LifecyclePair& pair : kLifecyclePairs)
        if (caller == pair.caller && selector == pair.selector)
            throw SyntaxError("the host sends \"" + caller + "\"/\"" + selector +
                              "\" itself: use " + pair.action);
    return [caller, selector](Host& host, ActionContext&) { host.Call(caller, selector); };
}

Effect CompileWithoutSuite(const ActionArguments& args) {
    return [name = args.Text(0), version = args.Integer(1)](Host& host, ActionContext&) {
        if (host.Started() || !host.Plugin().Calls().empty())
            throw std::runtime_error("without-suite must come before start");
        if (!host.Suites().LeaveOut(name, version))
            throw std::runtime_error("the host serves no suite \"" + name + "\" version " +
                                     std::to_string(version));
    };
}

Effect CompileAlert(const ActionArguments&) {
    return [](Host& host, ActionContext&) { host.AnswerAlert(); };
}

Effect CompileSnapshot(const ActionArguments& args) {
    return [name = args.Text(0)](Host&, ActionContext& context) { context.Snapshot(name); };
}

}  // namespace

std::vector<Action> ApplicationActions() {
    return {
        Lifecycle("start",
                  "\"SP Interface\"/\"Startup\", then \"AI Notifier\"/\"AI Notify\" to every "
                  "notifier the plug-in added for \"AI Application Started Notifier\". A start-up "
                  "that answers an error leaves the plug-in not started.",
                  &Host::Start,
                  [](const Host& host) { return !host.Started() && !host.Unloaded(); }),
        Lifecycle("quit", "\"SP Interface\"/\"Shutdown\"", &Host::Quit, Running),
        Lifecycle("unload",
                  "\"SP Access\"/\"Unload\", then the plug-in's code is dropped (`dlclose`)",
                  &Host::Unload,
                  [](const Host& host) { return Running(host) && !host.Plugin().KeptLoaded(); }),
        Lifecycle("reload", "the code is loaded again, then \"SP Access\"/\"Reload\"",
                  &Host::Reload, [](const Host& host) { return host.Unloaded(); }),
        Lifecycle("about", "\"SP Interface\"/\"About\"", &Host::About, Running),
        {.name = "call",
         .arguments = {Bare(ArgumentKind::kText, "CALLER"), Bare(ArgumentKind::kText, "SELECTOR")},
         .summary = "sends any other pair, with a zeroed record of the type that caller uses. The "
                    "pairs of `start`, `quit`, `unload` and `reload` are refused: only those "
                    "actions keep the host's account of the plug-in right",
         .compile = CompileCall,
         .underModal = true,
         .role = Role::kScripted},
        {.name = "snapshot",
         .arguments = {Bare(ArgumentKind::kText, "NAME")},
         .summary = "keeps the host's state at this point under `\"snapshots\"` in the JSON",
         .compile = CompileSnapshot,
         .underModal = true,
         .role = Role::kScripted},
        {.name = "alert",
         .arguments = {OneOf({"ok"})},
         .summary = "answers the alert on screen",
         .compile = CompileAlert,
         .underModal = true,
         .role = Role::kAnswer,
         .when =
             [](const Host& host) {
                 const Modals::Window* top = host.ModalWindows().Top();
                 return top != nullptr && top->kind == "alert";
             }},
        {.name = "without-suite",
         .arguments = {Quoted(ArgumentKind::kText, "NAME"),
                       Bare(ArgumentKind::kWholeNumber, "VERSION")},
         .summary = "the host stops serving one suite (before `start`)",
         .compile = CompileWithoutSuite,
         .underModal = true,
         .role = Role::kScripted},
    };
}

}  // namespace emulator
