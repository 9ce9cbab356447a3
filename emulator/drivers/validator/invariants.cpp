#include "emulator/drivers/validator/invariants.h"

#include <cmath>

#include "emulator/core/host.h"
#include "emulator/drivers/validator/panel_invariants.h"
#include "emulator/models/preferences/preference_store.h"

namespace emulator {
namespace {

using Broken = std::optional<BrokenInvariant>;

// The tag the plug-in puts on the paths it makes.
constexpr const char* kToolTag = "qqq";

// Group names the plug-in gives its figures, one per kind, in UTF-8.
bool NamesAKind(const std::string& name) {
    for (const char* kind : {"Quadrilatère", "Carré", "Rectangle", "Losange", "Parallélogramme"})
        if (name == kind) return true;
    return false;
}

bool Finite(const HostRealPoint& point) {
    return std::isfinite(point.h) && std::isfinite(point.v);
}

bool HasToolTag(const Art& path) {
    for (const Tag& tag : path.tags)
        if (tag.name == kToolTag) return true;
    return false;
}

Broken CheckPath(const Art& path, size_t number) {
    std::string where = "path " + std::to_string(number);
    for (size_t i = 0; i < path.segments.size(); ++i) {
        const HostPathSegment& s = path.segments[i];
        if (!Finite(s.p) || !Finite(s.in) || !Finite(s.out))
            return BrokenInvariant{"non-finite coordinate",
                                   where + ", segment " + std::to_string(i + 1)};
    }
    if (!HasToolTag(path)) return std::nullopt;
    if (!path.closed || path.segments.size() != 4)
        return BrokenInvariant{"tool path not a closed quadrilateral",
                               where + ": " + std::to_string(path.segments.size()) + " segments, " +
                                   (path.closed ? "closed" : "open")};
    if (path.parent == nullptr || !NamesAKind(path.parent->name))
        return BrokenInvariant{
            "tool path not in a group named after a kind",
            where + " is in \"" + (path.parent != nullptr ? path.parent->name : "") + "\""};
    return std::nullopt;
}

Broken CheckDocument(const Document& document) {
    std::vector<Art*> paths = document.Paths();
    for (size_t i = 0; i < paths.size(); ++i)
        if (Broken broken = CheckPath(*paths[i], i + 1)) return broken;
    return std::nullopt;
}

Broken CheckPanel(const Dialog* panel) {
    if (panel == nullptr) return std::nullopt;
    for (const auto& item : panel->items) {
        bool finite = std::isfinite(item->value) &&
                      (!item->minimum || std::isfinite(*item->minimum)) &&
                      (!item->maximum || std::isfinite(*item->maximum));
        if (!finite)
            return BrokenInvariant{"non-finite panel value", "item " + std::to_string(item->id)};
    }
    return std::nullopt;
}

Broken CheckPreferences(const PreferenceStore& preferences) {
    for (const auto& [prefix, keys] : preferences.All())
        for (const auto& [key, value] : keys)
            if (const double* real = std::get_if<double>(&value); real && !std::isfinite(*real))
                return BrokenInvariant{"non-finite preference", prefix + "/" + key};
    return std::nullopt;
}

// Start-up, shut-down, unload and reload change what the plug-in's code and record are:
// never while some of its code has not returned.
Broken CheckLifecycleCall(const CallRecord& call) {
    bool lifecycle = call.caller == kSPAccessCaller || (call.caller == kSPInterfaceCaller &&
                                                        call.selector != kSPInterfaceAboutSelector);
    if (!lifecycle || !call.underPluginCode) return std::nullopt;
    return BrokenInvariant{"lifecycle message while the plug-in's code runs",
                           call.caller + "/" + call.selector};
}

}  // namespace

// Every outermost message gives back what it acquired, but for the panel's creation, which
// keeps its hold for the procedures the dialog manager calls outside any message; and
// between messages the plug-in holds what that hold took, no more (procedures included).
Broken Invariants::CheckSuites() {
    const std::vector<CallRecord>& calls = host_.Plugin().Calls();
    bool panelMade = !standingHold_ && host_.Dialogs().Panel() != nullptr;
    bool standingHoldTaken = false;
    for (; callsChecked_ < calls.size(); ++callsChecked_) {
        const CallRecord& call = calls[callsChecked_];
        if (Broken broken = CheckLifecycleCall(call)) return broken;
        if (call.depth != 0 || call.acquired == call.released) continue;
        if (panelMade && call.released == 0 && !standingHoldTaken) {
            standingHoldTaken = true;
            continue;
        }
        return BrokenInvariant{"suites unbalanced in a message",
                               call.caller + "/" + call.selector + " acquired " +
                                   std::to_string(call.acquired) + ", released " +
                                   std::to_string(call.released)};
    }
    if (panelMade) standingHold_ = host_.Suites().HeldCount();
    // A modal window opened inside a message: that message still holds what it acquired.
    if (host_.Plugin().InCall()) return std::nullopt;
    int64_t held = host_.Suites().HeldCount();
    if (held != standingHold_.value_or(0))
        return BrokenInvariant{"suites held between messages",
                               std::to_string(held) + " held, " +
                                   std::to_string(standingHold_.value_or(0)) + " expected"};
    return std::nullopt;
}

std::optional<BrokenInvariant> Invariants::Check() {
    std::vector<std::string> actions = host_.Journal().Since(actionsSeen_);
    actionsSeen_ = host_.Journal().End();
    if (!host_.Errors().empty()) return BrokenInvariant{"host error", host_.Errors().front()};
    if (Broken broken = CheckDocument(host_.Drawing())) return broken;
    if (Broken broken = CheckPanel(host_.Dialogs().Panel())) return broken;
    if (Broken broken = CheckPreferences(host_.Preferences())) return broken;
    if (Broken broken = figures_.Check(actions)) return broken;
    if (Broken broken = history_.Check(actions)) return broken;
    if (Broken broken = selection_.Check(actions)) return broken;
    if (Broken broken = CheckPanelShowsAFigure(host_)) return broken;
    return CheckSuites();
}

std::optional<BrokenInvariant> Invariants::CheckAfterShutDown() const {
    if (host_.Blocks().Count() != 0)
        return BrokenInvariant{"block leaked after shut-down",
                               std::to_string(host_.Blocks().Count()) + " blocks still held"};
    return std::nullopt;
}

std::optional<BrokenInvariant> CheckPreferenceFile(const Host& host, const std::string& path) {
    PreferenceStore read;
    try {
        host.Preferences().Save(path);
        if (std::optional<std::string> warning = read.Load(path))
            return BrokenInvariant{"preference file unreadable", *warning};
    } catch (const std::exception& error) {
        return BrokenInvariant{"preference file unreadable", error.what()};
    }
    if (read.All() != host.Preferences().All())
        return BrokenInvariant{"preference file lost a key or a value", path};
    return std::nullopt;
}

}  // namespace emulator
