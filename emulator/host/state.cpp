#include "emulator/host/state.h"

#include <cstdio>

#include "emulator/host/dialogs/dialog_state.h"
#include "emulator/host/preferences/preference_json.h"
#include "host/ai_art.h"

namespace host {
namespace {

std::string Fnv1a(const unsigned char* data, uint32_t size) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (uint32_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 0x100000001b3ULL;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

Json PluginState(const Host& host) {
    Json plugin = Json::MakeObject();
    plugin.Set("path", host.plugin.Path());
    plugin.Set("name", host.plugin.Name().empty() ? Json() : Json(host.plugin.Name()));
    plugin.Set("loaded", host.plugin.Loaded());
    plugin.Set("started", host.Started());
    plugin.Set("globals_slot_set", host.plugin.GlobalsSlot() != nullptr);
    return plugin;
}

Json CallsState(const Host& host) {
    Json calls = Json::MakeArray();
    for (const CallRecord& call : host.plugin.Calls()) {
        Json entry = Json::MakeObject();
        entry.Set("caller", call.caller);
        entry.Set("selector", call.selector);
        entry.Set("result", call.result);
        entry.Set("depth", call.depth);
        entry.Set("acquired", call.acquired);
        entry.Set("released", call.released);
        calls.Push(std::move(entry));
    }
    return calls;
}

Json SuiteKey(const SuiteRegistry::Key& key) {
    Json entry = Json::MakeObject();
    entry.Set("name", key.first);
    entry.Set("version", key.second);
    return entry;
}

Json SuitesState(const SuiteRegistry& suites) {
    Json state = Json::MakeObject();
    state.Set("held", suites.HeldCount());
    state.Set("acquired", suites.Acquisitions());
    state.Set("released", suites.Releases());
    Json heldBySuite = Json::MakeArray();
    for (const auto& [key, holds] : suites.Held()) {
        if (holds == 0) continue;
        Json entry = SuiteKey(key);
        entry.Set("holds", holds);
        heldBySuite.Push(std::move(entry));
    }
    state.Set("held_by_suite", std::move(heldBySuite));
    Json leftOut = Json::MakeArray();
    for (const auto& key : suites.LeftOut()) leftOut.Push(SuiteKey(key));
    state.Set("left_out", std::move(leftOut));
    return state;
}

Json Strings(const std::vector<std::string>& texts) {
    Json list = Json::MakeArray();
    for (const std::string& text : texts) list.Push(text);
    return list;
}

Json MemoryState(const BlockAllocator& blocks) {
    Json list = Json::MakeArray();
    blocks.ForEach([&](BlockAllocator::Block block) {
        Json entry = Json::MakeObject();
        entry.Set("size", block.size);
        entry.Set("fnv1a", Fnv1a(block.data, block.size));
        list.Push(std::move(entry));
    });
    Json memory = Json::MakeObject();
    memory.Set("blocks", std::move(list));
    return memory;
}

Json PointState(const HostRealPoint& point) {
    Json pair = Json::MakeArray();
    pair.Push(Json::Float(point.h));
    pair.Push(Json::Float(point.v));
    return pair;
}

Json SegmentsState(const std::vector<HostPathSegment>& segments) {
    Json list = Json::MakeArray();
    for (const HostPathSegment& segment : segments) {
        Json entry = Json::MakeObject();
        entry.Set("p", PointState(segment.p));
        entry.Set("in", PointState(segment.in));
        entry.Set("out", PointState(segment.out));
        entry.Set("corner", segment.corner != 0);
        list.Push(std::move(entry));
    }
    return list;
}

Json ArtState(const Art& art);

Json ChildrenState(const Art& group) {
    Json list = Json::MakeArray();
    for (const Art* child : group.children) list.Push(ArtState(*child));
    return list;
}

Json ArtState(const Art& art) {
    Json entry = Json::MakeObject();
    entry.Set("type", art.type == kHostGroupArt ? "group" : "path");
    entry.Set("name", art.name);
    if (art.type == kHostGroupArt) {
        entry.Set("art", ChildrenState(art));
        return entry;
    }
    entry.Set("closed", art.closed);
    entry.Set("guide", art.guide);
    Json tags = Json::MakeObject();
    for (const Tag& tag : art.tags) tags.Set(tag.name, tag.value);
    entry.Set("tags", std::move(tags));
    entry.Set("segments", SegmentsState(art.segments));
    return entry;
}

Json DocumentState(const Document& document) {
    Json layers = Json::MakeArray();
    for (size_t i = 0; i < document.LayerCount(); ++i) {
        const Layer& layer = *document.LayerAt(i);
        Json entry = Json::MakeObject();
        entry.Set("title", layer.title);
        entry.Set("locked", layer.locked);
        entry.Set("visible", layer.visible);
        entry.Set("current", &layer == document.Current());
        entry.Set("color", Json::Array{Json(int{layer.color.red}), Json(int{layer.color.green}),
                                       Json(int{layer.color.blue})});
        entry.Set("art", ChildrenState(*layer.group));
        layers.Push(std::move(entry));
    }
    Json state = Json::MakeObject();
    state.Set("layers", std::move(layers));
    return state;
}

Json MenuItemState(const MenuItem& item) {
    Json entry = Json::MakeObject();
    entry.Set("name", item.name);
    entry.Set("text", item.text);
    entry.Set("enabled", item.enabled);
    entry.Set("checked", item.checked);
    entry.Set("submenu", item.submenu != nullptr ? Json(item.submenu->name) : Json());
    return entry;
}

Json MenusState(const Menus& menus) {
    Json groups = Json::MakeArray();
    for (size_t i = 0; i < menus.GroupCount(); ++i) {
        const MenuGroup& group = *menus.GroupAt(i);
        Json items = Json::MakeArray();
        for (const MenuItem* item : group.items) items.Push(MenuItemState(*item));
        Json entry = Json::MakeObject();
        entry.Set("name", group.name);
        entry.Set("items", std::move(items));
        groups.Push(std::move(entry));
    }
    Json state = Json::MakeObject();
    state.Set("groups", std::move(groups));
    return state;
}

}  // namespace

Json HostState(const Host& host) {
    Json state = Json::MakeObject();
    state.Set("plugin", PluginState(host));
    state.Set("calls", CallsState(host));
    state.Set("suites", SuitesState(host.suites));
    state.Set("alerts", Strings(host.AlertsShown()));
    state.Set("errors", Strings(host.Errors()));
    state.Set("memory", MemoryState(host.blocks));
    state.Set("document", DocumentState(host.document));
    state.Set("menus", MenusState(host.menus));
    state.Set("cursor", host.cursor ? Json(*host.cursor) : Json());
    state.Set("prefs", PreferencesJson(host.preferences));
    state.Set("dialogs", DialogsState(host.dialogs));
    state.Set("pages_opened", Strings(host.pagesOpened));
    return state;
}

}  // namespace host
