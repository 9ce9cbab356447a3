#include "emulator/core/host.h"

#include <algorithm>
#include <mutex>
#include <stdexcept>

#include "emulator/core/suites/catalogue.h"
#include "emulator/models/preferences/host_preferences.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

// Read from any thread the plug-in calls from; hosts come and go on the one that made them.
std::mutex gAliveLock;
std::vector<Host*> gAlive;

}  // namespace

Host::Host(const std::string& pluginPath)
    : plugin_(*this, pluginPath, suites_, BasicSuite(), trace_) {
    PutHostDefaults(preferences_);
    // The screen is drawn when the user-interface thread is idle, after each event.
    loop_.AddIdle([this] {
        if (!GestureUnderWay()) history_.EndStep();
        dialogs_.RedrawDirty();
        RedrawAnnotations();
    });
    std::lock_guard lock(gAliveLock);
    gAlive.push_back(this);
}

Host::~Host() {
    std::lock_guard lock(gAliveLock);
    std::erase(gAlive, this);
}

Host* Host::Serving() {
    if (Host* running = PluginConnection::HostRunningOnThisThread()) return running;
    std::lock_guard lock(gAliveLock);
    return gAlive.size() == 1 ? gAlive.front() : nullptr;
}

SPBasicSuite* Host::BasicSuite() {
    return &ServedBasicSuite();
}

std::optional<std::string> Host::LoadPreferences(const std::string& path) {
    preferenceFileOwned_.emplace(path, kPreferenceFileWait);
    std::optional<std::string> warning = preferences_.Load(path);
    PutHostDefaults(preferences_);
    return warning;
}

bool Host::LoadPlugin(std::string& error) {
    return plugin_.Load(error);
}

void Host::RequireLoadedCode() const {
    if (Unloaded()) throw std::runtime_error("the plug-in is unloaded; reload it first");
}

void Host::RequireNoCallUnderWay() const {
    // The plug-in's code is on the stack: dropping it or freeing its record would pull the
    // ground from under the call that is still running.
    if (plugin_.InCall())
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
    if (plugin_.Send(kSPInterfaceCaller, kSPInterfaceStartupSelector, message) != kHostNoError) {
        ForgetPluginAdditions();
        return;
    }
    started_ = true;
    Notify(kAIApplicationStartedNotifier);
}

void Host::Notify(const char* type) {
    for (HostNotifierHandle handle : notifiers_.OfType(type)) {
        AINotifierMessage notice{};
        notice.notifier = handle;
        notice.type = type;
        plugin_.Send(kCallerAINotify, kSelectorAINotify, notice);
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
    plugin_.Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector, message);
    started_ = false;
    quitOnce_ = true;
}

void Host::ForgetPluginAdditions() {
    HostPluginRef ref = plugin_.Ref();
    toolbox_.RemoveOwnedBy(ref);
    menus_.RemoveOwnedBy(ref);
    notifiers_.RemoveOwnedBy(ref);
    annotators_.RemoveIf([ref](const Annotator& annotator) { return annotator.owner == ref; });
}

void Host::Unload() {
    RequireLoadedCode();
    RequireNoCallUnderWay();
    if (plugin_.KeptLoaded())
        throw std::runtime_error("the plug-in holds its access reference: it cannot be unloaded");
    SPAccessMessage message{};
    plugin_.Send(kSPAccessCaller, kSPAccessUnloadSelector, message);
    plugin_.DropCode();
}

void Host::Reload() {
    if (!Unloaded()) throw std::runtime_error("the plug-in is not unloaded");
    std::string error;
    if (!plugin_.Load(error)) throw std::runtime_error(error);
    SPAccessMessage message{};
    plugin_.Send(kSPAccessCaller, kSPAccessReloadSelector, message);
}

void Host::About() {
    RequireLoadedCode();
    SPInterfaceMessage message{};
    plugin_.Send(kSPInterfaceCaller, kSPInterfaceAboutSelector, message);
}

HostErr Host::Call(const std::string& caller, const std::string& selector) {
    RequireLoadedCode();
    return plugin_.SendEmpty(caller, selector);
}

ActionOutcome Host::ChooseMenuItem(const MenuItem& item) {
    auto nothing = [&](const std::string& why) {
        return ActionOutcome::NothingHappens("the menu item \"" + item.text + "\" " + why +
                                             "; nothing happens");
    };
    if (!item.enabled) return nothing("is disabled");
    if (item.submenu != nullptr) return nothing("opens its submenu");
    if (item.owner != plugin_.Ref()) return nothing("belongs to no plug-in of ours");
    RequireLoadedCode();
    AIMenuMessage message{};
    message.menuItem = menus_.HandleOf(item);
    plugin_.Send(kCallerAIMenu, kSelectorAIGoMenuItem, message);
    return ActionOutcome::Done();
}

void Host::Finish() {
    if (!started_) return;
    if (Unloaded()) Reload();
    Quit();
}

void Host::ShowAlert(const std::string& utf8Text) {
    alertsShown_.push_back(utf8Text);
    modals_.RunModal("alert", utf8Text);
}

void Host::AnswerAlert() {
    Modals::Window* top = modals_.Top();
    if (top == nullptr || top->kind != "alert") throw std::runtime_error("no alert is on screen");
    modals_.CloseTop();
}

void Host::Misuse(const std::string& what) {
    errors_.push_back(what);
    trace_.Note("misuse: " + what);
}

}  // namespace emulator
