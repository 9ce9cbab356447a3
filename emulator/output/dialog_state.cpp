#include "emulator/output/dialog_state.h"

#include "emulator/models/dialogs/value_text.h"

namespace emulator {
namespace {

Json Rect(const HostRect& rect) {
    return Json::array({rect.left, rect.top, rect.right, rect.bottom});
}

Json Optional(const std::optional<float>& value) {
    return value ? JsonFloat(*value) : Json();
}

Json OpState(const DrawOp& op) {
    Json entry = Json::object();
    entry["op"] = op.op;
    if (op.op == "items" || op.op == "default") return entry;
    bool isPoint = op.op == "text" || op.op == "picture";
    Json coords = Json::array();
    for (size_t i = 0; i < (isPoint ? 2u : 4u); ++i) coords.push_back(op.coords[i]);
    entry["coords"] = std::move(coords);
    if (op.op == "picture") {
        entry["picture"] = op.picture;
        return entry;
    }
    entry["color"] = op.color;
    if (op.op == "text" || op.op == "text-centred") {
        entry["font"] = op.font;
        entry["text"] = op.text;
    }
    return entry;
}

Json Drawing(const std::vector<DrawOp>& ops) {
    Json list = Json::array();
    for (const DrawOp& op : ops) list.push_back(OpState(op));
    return list;
}

Json EntriesState(const List& list) {
    Json entries = Json::array();
    for (const auto& entry : list.entries) {
        Json state = Json::object();
        state["id"] = entry->id;
        state["text"] = entry->text;
        state["enabled"] = entry->enabled;
        state["checked"] = entry->checked;
        state["separator"] = entry->separator;
        state["selected"] = list.active == entry.get();
        entries.push_back(std::move(state));
    }
    return entries;
}

void NumericState(const Item& item, Json& state) {
    state["value"] = JsonFloat(item.value);
    std::string unit = UnitName(item.units);
    state["unit"] = unit.empty() ? Json() : Json(unit);
    state["precision"] = item.precision;
    state["min"] = Optional(item.minimum);
    state["max"] = Optional(item.maximum);
    state["small_step"] = JsonFloat(item.smallStep);
    state["large_step"] = JsonFloat(item.largeStep);
}

Json ItemState(const Item& item) {
    Json state = Json::object();
    state["id"] = item.id;
    state["type"] = item.type;
    state["rect"] = Rect(item.rect);
    state["text"] = item.ShownText();
    if (item.IsNumeric()) NumericState(item, state);
    state["on"] = item.on;
    state["enabled"] = item.enabled;
    state["shown"] = item.shown;
    state["tip"] = item.tip;
    if (item.picture != 0) state["picture"] = item.picture;
    if (item.selectedPicture != 0) state["selected_picture"] = item.selectedPicture;
    state["font"] = item.font;
    state["justify"] = item.justify;
    state["style"] = item.style;
    state["fore_color"] = item.foreColor;
    state["options"] = item.options;
    state["wants_focus"] = item.wantsFocus;
    state["text_selected"] = item.textSelected;
    if (item.list != nullptr) state["entries"] = EntriesState(*item.list);
    state["custom_drawing"] = item.drawProc != nullptr;
    if (item.drawProc != nullptr) state["drawing"] = Drawing(item.drawing);
    return state;
}

Json DialogState(const Dialog& dialog) {
    Json state = Json::object();
    state["name"] = dialog.name;
    state["kind"] = dialog.modal ? "modal" : "floating";
    state["resource"] = dialog.resourceId;
    state["style"] = dialog.style;
    state["title"] = dialog.title;
    state["visible"] = dialog.visible;
    state["rect"] = Rect(dialog.bounds);
    state["dock_group"] = dialog.dockGroup.empty() ? Json() : Json(dialog.dockGroup);
    state["dock_code"] = dialog.dockCode ? Json(*dialog.dockCode) : Json();
    state["icons"] = Json::array({dialog.icons[0], dialog.icons[1]});
    state["focused"] = dialog.focused != nullptr ? Json(dialog.focused->id) : Json();
    Json items = Json::array();
    for (const auto& item : dialog.items) items.push_back(ItemState(*item));
    state["items"] = std::move(items);
    state["drawing"] = Drawing(dialog.drawing);
    return state;
}

}  // namespace

Json DialogsState(const DialogManager& dialogs) {
    Json list = Json::array();
    for (const auto& dialog : dialogs.Dialogs()) list.push_back(DialogState(*dialog));
    return list;
}

}  // namespace emulator
