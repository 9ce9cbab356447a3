#include "emulator/host/state.h"

#include <cstdio>

#include "emulator/host/preferences/preference_json.h"

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

}  // namespace

Json HostState(const Host& host) {
    Json state = Json::MakeObject();
    state.Set("plugin", PluginState(host));
    state.Set("calls", CallsState(host));
    state.Set("suites", SuitesState(host.suites));
    state.Set("alerts", Strings(host.AlertsShown()));
    state.Set("errors", Strings(host.Errors()));
    state.Set("memory", MemoryState(host.blocks));
    state.Set("prefs", PreferencesJson(host.preferences));
    return state;
}

}  // namespace host
