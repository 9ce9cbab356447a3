#include "emulator/core/host.h"

#include <stdexcept>

#include "emulator/core/suites/catalogue.h"
#include "emulator/models/preferences/host_preferences.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

Host* gCurrent = nullptr;

}  // namespace

Host::Host(const std::string& pluginPath) : plugin(pluginPath, suites, BasicSuite(), trace) {
    if (gCurrent != nullptr) throw std::logic_error("only one host may exist at a time");
    gCurrent = this;
    PutHostDefaults(preferences);
    // The screen is drawn when the user-interface thread is idle, after each event.
    loop.AddIdle([this] {
        dialogs.RedrawDirty();
        RedrawAnnotations();
    });
}

Host::~Host() {
    gCurrent = nullptr;
}

Host* Host::Current() {
    return gCurrent;
}

SPBasicSuite* Host::BasicSuite() {
    return &ServedBasicSuite();
}

std::optional<std::string> Host::LoadPreferences(const std::string& path) {
    preferenceFileOwned_.emplace(path, kPreferenceFileWait);
    std::optional<std::string> warning = preferences.Load(path);
    PutHostDefaults(preferences);
    return warning;
}

bool Host::LoadPlugin(std::string& error) {
    return plugin.Load(error);
}

void Host::RequireLoadedCode() const {
    if (Unloaded()) throw std::runtime_error("the plug-in is unloaded; reload it first");
}

void Host::RequireNoCallUnderWay() const {
    // The plug-in's code is on the stack: dropping it or freeing its record would pull the
    // ground from under the call that is still running.
    if (plugin.InCall())
        throw std::runtime_error(
            "the plug-in is in the middle of a message; close what it shows first");
}

void Host::Start() {
    RequireLoadedCode();
    RequireNoCallUnderWay();
    if (started_) throw std::runtime_error("the plug-in is already started");
    // A start after a quit is a new session of the application: nothing the plug-in added
    // in the last one is left.
    if (quitOnce_) ForgetPluginAdditions();
    SPInterfaceMessage message{};
    // A plug-in whose start-up fails is not started: the host sends it nothing more, and
    // keeps nothing it added on the way (a tool or a menu that would call it).
    if (plugin.Send(kSPInterfaceCaller, kSPInterfaceStartupSelector, message) != kHostNoError) {
        ForgetPluginAdditions();
        return;
    }
    started_ = true;
    Notify(kAIApplicationStartedNotifier);
}

void Host::Notify(const char* type) {
    for (HostNotifierHandle handle : notifiers.OfType(type)) {
        AINotifierMessage notice{};
        notice.notifier = handle;
        notice.type = type;
        plugin.Send(kCallerAINotify, kSelectorAINotify, notice);
    }
}

void Host::NotifyArtChanged() {
    if (started_ && !Unloaded()) Notify(kAIArtSelectionChangedNotifier);
}

void Host::Quit() {
    RequireLoadedCode();
    RequireNoCallUnderWay();
    if (!started_) throw std::runtime_error("the plug-in is not started");
    SPInterfaceMessage message{};
    plugin.Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector, message);
    started_ = false;
    quitOnce_ = true;
}

void Host::ForgetPluginAdditions() {
    HostPluginRef ref = plugin.Ref();
    toolbox.RemoveOwnedBy(ref);
    menus.RemoveOwnedBy(ref);
    notifiers.RemoveOwnedBy(ref);
    annotators.RemoveIf([ref](const Annotator& annotator) { return annotator.owner == ref; });
}

void Host::Unload() {
    RequireLoadedCode();
    RequireNoCallUnderWay();
    if (plugin.KeptLoaded())
        throw std::runtime_error("the plug-in holds its access reference: it cannot be unloaded");
    SPAccessMessage message{};
    plugin.Send(kSPAccessCaller, kSPAccessUnloadSelector, message);
    plugin.DropCode();
}

void Host::Reload() {
    if (!Unloaded()) throw std::runtime_error("the plug-in is not unloaded");
    std::string error;
    if (!plugin.Load(error)) throw std::runtime_error(error);
    SPAccessMessage message{};
    plugin.Send(kSPAccessCaller, kSPAccessReloadSelector, message);
}

void Host::About() {
    RequireLoadedCode();
    SPInterfaceMessage message{};
    plugin.Send(kSPInterfaceCaller, kSPInterfaceAboutSelector, message);
}

HostErr Host::Call(const std::string& caller, const std::string& selector) {
    RequireLoadedCode();
    return plugin.SendEmpty(caller, selector);
}

ActionOutcome Host::ChooseMenuItem(const MenuItem& item) {
    auto nothing = [&](const std::string& why) {
        return ActionOutcome::NothingHappens("the menu item \"" + item.text + "\" " + why +
                                             "; nothing happens");
    };
    if (!item.enabled) return nothing("is disabled");
    if (item.submenu != nullptr) return nothing("opens its submenu");
    if (item.owner != plugin.Ref()) return nothing("belongs to no plug-in of ours");
    RequireLoadedCode();
    AIMenuMessage message{};
    message.menuItem = menus.HandleOf(item);
    plugin.Send(kCallerAIMenu, kSelectorAIGoMenuItem, message);
    return ActionOutcome::Done();
}

void Host::Finish() {
    if (!started_) return;
    if (Unloaded()) Reload();
    Quit();
}

void Host::ShowAlert(const std::string& utf8Text) {
    alertsShown_.push_back(utf8Text);
    modals.RunModal("alert", utf8Text);
}

void Host::AnswerAlert() {
    Modals::Window* top = modals.Top();
    if (top == nullptr || top->kind != "alert") throw std::runtime_error("no alert is on screen");
    modals.CloseTop();
}

void Host::Misuse(const std::string& what) {
    errors_.push_back(what);
    trace.Note("misuse: " + what);
}

}  // namespace emulator
