#include "emulator/output/state.h"

#include <cstdio>

#include "emulator/common/text_encoding.h"
#include "emulator/models/preferences/preference_json.h"
#include "emulator/output/annotation_state.h"
#include "emulator/output/dialog_state.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

std::string Fnv1a(const unsigned char* data, uint32_t size) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (uint32_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 0x100000001b3ULL;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

Json PluginState(const Host& host) {
    Json plugin = Json::object();
    plugin["path"] = RepairUtf8(host.Plugin().Path());  // a file name: any bytes
    plugin["name"] =
        host.Plugin().Name().empty() ? Json() : Json(Cp1252ToUtf8(host.Plugin().Name()));
    plugin["loaded"] = host.Plugin().Loaded();
    plugin["started"] = host.Started();
    plugin["globals_slot_set"] = host.Plugin().GlobalsSlot() != nullptr;
    return plugin;
}

Json CallsState(const Host& host) {
    Json calls = Json::array();
    for (const CallRecord& call : host.Plugin().Calls()) {
        Json entry = Json::object();
        // As the plug-in was sent them: in Windows-1252.
        entry["caller"] = Cp1252ToUtf8(call.caller);
        entry["selector"] = Cp1252ToUtf8(call.selector);
        entry["result"] = call.result;
        entry["depth"] = call.depth;
        entry["acquired"] = call.acquired;
        entry["released"] = call.released;
        calls.push_back(std::move(entry));
    }
    return calls;
}

Json SuiteKey(const SuiteRegistry::Key& key) {
    Json entry = Json::object();
    entry["name"] = key.first;
    entry["version"] = key.second;
    return entry;
}

Json SuitesState(const SuiteRegistry& suites) {
    Json state = Json::object();
    state["held"] = suites.HeldCount();
    state["acquired"] = suites.Acquisitions();
    state["released"] = suites.Releases();
    Json heldBySuite = Json::array();
    for (const auto& [key, holds] : suites.Held()) {
        if (holds == 0) continue;
        Json entry = SuiteKey(key);
        entry["holds"] = holds;
        heldBySuite.push_back(std::move(entry));
    }
    state["held_by_suite"] = std::move(heldBySuite);
    Json leftOut = Json::array();
    for (const auto& key : suites.LeftOut()) leftOut.push_back(SuiteKey(key));
    state["left_out"] = std::move(leftOut);
    return state;
}

Json Strings(const std::vector<std::string>& texts) {
    Json list = Json::array();
    for (const std::string& text : texts) list.push_back(text);
    return list;
}

Json MemoryState(const BlockAllocator& blocks) {
    Json list = Json::array();
    blocks.ForEach([&](BlockAllocator::Block block) {
        Json entry = Json::object();
        entry["size"] = block.size;
        entry["fnv1a"] = Fnv1a(block.data, block.size);
        list.push_back(std::move(entry));
    });
    Json memory = Json::object();
    memory["blocks"] = std::move(list);
    return memory;
}

Json PointState(const HostRealPoint& point) {
    Json pair = Json::array();
    pair.push_back(JsonFloat(point.h));
    pair.push_back(JsonFloat(point.v));
    return pair;
}

Json SegmentsState(const std::vector<HostPathSegment>& segments) {
    Json list = Json::array();
    for (const HostPathSegment& segment : segments) {
        Json entry = Json::object();
        entry["p"] = PointState(segment.p);
        entry["in"] = PointState(segment.in);
        entry["out"] = PointState(segment.out);
        entry["corner"] = segment.corner != 0;
        list.push_back(std::move(entry));
    }
    return list;
}

Json ArtState(const Art& art);

Json ChildrenState(const Art& group) {
    Json list = Json::array();
    for (const Art* child : group.children) list.push_back(ArtState(*child));
    return list;
}

Json ArtState(const Art& art) {
    Json entry = Json::object();
    entry["type"] = art.type == kHostGroupArt ? "group" : "path";
    entry["name"] = art.name;
    if (art.type == kHostGroupArt) {
        entry["art"] = ChildrenState(art);
        return entry;
    }
    entry["closed"] = art.closed;
    entry["guide"] = art.guide;
    Json tags = Json::object();
    for (const Tag& tag : art.tags) tags[tag.name] = tag.value;
    entry["tags"] = std::move(tags);
    entry["segments"] = SegmentsState(art.segments);
    return entry;
}

// What the Edit menu offers: the steps there are to undo and to redo, and whether the
// document changed since it was last kept in a file.
Json HistoryState(const EditHistory& history) {
    Json state = Json::object();
    state["undo"] = history.UndoCount();
    state["redo"] = history.RedoCount();
    state["modified"] = history.Modified();
    return state;
}

// The selected art's paths, by their numbers in the order of the document's paths (from 1,
// as delete-art counts them).
Json SelectionState(const Document& document) {
    Json numbers = Json::array();
    const Art* selection = document.Selection();
    if (selection == nullptr) return numbers;
    std::vector<Art*> paths = document.Paths();
    for (size_t i = 0; i < paths.size(); ++i)
        for (const Art* at = paths[i]; at != nullptr; at = at->parent)
            if (at == selection) numbers.push_back(i + 1);
    return numbers;
}

Json ViewState(const View& view) {
    Json state = Json::object();
    state["zoom"] = JsonFloat(view.Zoom());
    state["origin"] = PointState(view.Origin());
    state["size"] = Json::array({view.Bounds().right, view.Bounds().bottom});
    return state;
}

Json MenuItemState(const MenuItem& item) {
    Json entry = Json::object();
    entry["name"] = item.name;
    entry["text"] = item.text;
    entry["enabled"] = item.enabled;
    entry["checked"] = item.checked;
    entry["submenu"] = item.submenu != nullptr ? Json(item.submenu->name) : Json();
    return entry;
}

Json MenusState(const Menus& menus) {
    Json groups = Json::array();
    for (size_t i = 0; i < menus.GroupCount(); ++i) {
        const MenuGroup& group = *menus.GroupAt(i);
        Json items = Json::array();
        for (const MenuItem* item : group.items) items.push_back(MenuItemState(*item));
        Json entry = Json::object();
        entry["name"] = group.name;
        entry["items"] = std::move(items);
        groups.push_back(std::move(entry));
    }
    Json state = Json::object();
    state["groups"] = std::move(groups);
    return state;
}

Json OptionalNumber(const std::optional<int32_t>& number) {
    return number ? Json(*number) : Json();
}

Json ToolsState(const Host& host) {
    Json tools = Json::array();
    for (size_t i = 0; i < host.Tools().Count(); ++i) {
        const Tool& tool = *host.Tools().At(i);
        Json entry = Json::object();
        entry["number"] = tool.number;
        entry["name"] = tool.name;
        entry["tip"] = tool.tip;
        entry["group"] = tool.group;
        entry["toolset"] = tool.toolset;
        entry["options"] = tool.options;
        entry["icon"] = OptionalNumber(tool.icon);
        entry["rollover_icon"] = OptionalNumber(tool.rolloverIcon);
        entry["owner"] = tool.owner == host.Plugin().Ref() ? "plug-in" : "host";
        entry["current"] = &tool == &host.Tools().Current();
        tools.push_back(std::move(entry));
    }
    return tools;
}

Json BeepsState(const std::vector<BeepSound>& beeps) {
    Json list = Json::array();
    for (const BeepSound& beep : beeps) list.push_back({beep.hertz, beep.milliseconds});
    return list;
}

}  // namespace

Json DocumentState(const Document& document) {
    Json layers = Json::array();
    for (size_t i = 0; i < document.LayerCount(); ++i) {
        const Layer& layer = *document.LayerAt(i);
        Json entry = Json::object();
        entry["title"] = layer.title;
        entry["locked"] = layer.locked;
        entry["visible"] = layer.visible;
        entry["current"] = &layer == document.Current();
        entry["color"] = {layer.color.red, layer.color.green, layer.color.blue};
        entry["art"] = ChildrenState(*layer.group);
        layers.push_back(std::move(entry));
    }
    Json state = Json::object();
    state["layers"] = std::move(layers);
    state["selection"] = SelectionState(document);
    return state;
}

Json HostState(const Host& host, MessageLog messages) {
    Json state = Json::object();
    state["plugin"] = PluginState(host);
    if (messages == MessageLog::kListed) state["calls"] = CallsState(host);
    state["suites"] = SuitesState(host.Suites());
    state["alerts"] = Strings(host.AlertsShown());
    state["errors"] = Strings(host.Errors());
    state["memory"] = MemoryState(host.Blocks());
    state["document"] = DocumentState(host.Drawing());
    state["history"] = HistoryState(host.History());
    state["view"] = ViewState(host.Drawing().FirstView());
    state["annotations"] = AnnotationsState(host);
    state["redraws_requested"] = host.App().RedrawsRequested();
    state["menus"] = MenusState(host.MenuBar());
    state["cursor"] = host.App().Cursor() ? Json(*host.App().Cursor()) : Json();
    state["cursor_hot_spot"] = host.App().CursorPicture()
                                   ? Json::array({host.App().CursorPicture()->hotSpotX,
                                                  host.App().CursorPicture()->hotSpotY})
                                   : Json();
    state["prefs"] = PreferencesJson(host.Preferences());
    state["dialogs"] = DialogsState(host.Dialogs());
    state["pages_opened"] = Strings(host.App().PagesOpened());
    state["tools"] = ToolsState(host);
    state["keys"] = Strings(host.Input().Keys().HeldNames());
    state["beeps"] = BeepsState(host.App().Beeps());
    return state;
}

Json FinalState(const Host& host, const Snapshots& snapshots) {
    Json state = HostState(host);
    Json kept = Json::object();
    for (const auto& [name, snapshot] : snapshots) kept[name] = snapshot;
    state["snapshots"] = std::move(kept);
    return state;
}

}  // namespace emulator
