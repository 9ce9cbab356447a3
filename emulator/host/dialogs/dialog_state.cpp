#include "emulator/host/dialogs/dialog_state.h"

#include "emulator/host/dialogs/value_text.h"

namespace host {
namespace {

Json Rect(const HostRect& rect) {
    return Json(Json::Array{Json(rect.left), Json(rect.top), Json(rect.right), Json(rect.bottom)});
}

Json Optional(const std::optional<float>& value) {
    return value ? Json::Float(*value) : Json();
}

Json OpState(const DrawOp& op) {
    Json entry = Json::MakeObject();
    entry.Set("op", op.op);
    if (op.op == "items" || op.op == "default") return entry;
    bool isPoint = op.op == "text" || op.op == "picture";
    Json coords = Json::MakeArray();
    for (size_t i = 0; i < (isPoint ? 2u : 4u); ++i) coords.Push(op.coords[i]);
    entry.Set("coords", std::move(coords));
    if (op.op == "picture") {
        entry.Set("picture", op.picture);
        return entry;
    }
    entry.Set("color", op.color);
    if (op.op == "text" || op.op == "text-centred") {
        entry.Set("font", op.font);
        entry.Set("text", op.text);
    }
    return entry;
}

Json Drawing(const std::vector<DrawOp>& ops) {
    Json list = Json::MakeArray();
    for (const DrawOp& op : ops) list.Push(OpState(op));
    return list;
}

Json EntriesState(const List& list) {
    Json entries = Json::MakeArray();
    for (const auto& entry : list.entries) {
        Json state = Json::MakeObject();
        state.Set("id", entry->id);
        state.Set("text", entry->text);
        state.Set("enabled", entry->enabled);
        state.Set("checked", entry->checked);
        state.Set("separator", entry->separator);
        state.Set("selected", list.active == entry.get());
        entries.Push(std::move(state));
    }
    return entries;
}

void NumericState(const Item& item, Json& state) {
    state.Set("value", Json::Float(item.value));
    std::string unit = UnitName(item.units);
    state.Set("unit", unit.empty() ? Json() : Json(unit));
    state.Set("precision", item.precision);
    state.Set("min", Optional(item.minimum));
    state.Set("max", Optional(item.maximum));
    state.Set("small_step", Json::Float(item.smallStep));
    state.Set("large_step", Json::Float(item.largeStep));
}

Json ItemState(const Item& item) {
    Json state = Json::MakeObject();
    state.Set("id", item.id);
    state.Set("type", item.type);
    state.Set("rect", Rect(item.rect));
    state.Set("text", item.ShownText());
    if (item.IsNumeric()) NumericState(item, state);
    state.Set("on", item.on);
    state.Set("enabled", item.enabled);
    state.Set("shown", item.shown);
    state.Set("tip", item.tip);
    if (item.picture != 0) state.Set("picture", item.picture);
    if (item.selectedPicture != 0) state.Set("selected_picture", item.selectedPicture);
    state.Set("font", item.font);
    state.Set("justify", item.justify);
    state.Set("style", item.style);
    state.Set("fore_color", item.foreColor);
    state.Set("options", item.options);
    state.Set("wants_focus", item.wantsFocus);
    state.Set("text_selected", item.textSelected);
    if (item.list != nullptr) state.Set("entries", EntriesState(*item.list));
    state.Set("custom_drawing", item.drawProc != nullptr);
    if (item.drawProc != nullptr) state.Set("drawing", Drawing(item.drawing));
    return state;
}

Json DialogState(const Dialog& dialog) {
    Json state = Json::MakeObject();
    state.Set("name", dialog.name);
    state.Set("kind", dialog.modal ? "modal" : "floating");
    state.Set("resource", dialog.resourceId);
    state.Set("style", dialog.style);
    state.Set("title", dialog.title);
    state.Set("visible", dialog.visible);
    state.Set("rect", Rect(dialog.bounds));
    state.Set("dock_group", dialog.dockGroup.empty() ? Json() : Json(dialog.dockGroup));
    state.Set("dock_code", dialog.dockCode ? Json(*dialog.dockCode) : Json());
    state.Set("icons", Json(Json::Array{Json(dialog.icons[0]), Json(dialog.icons[1])}));
    state.Set("focused", dialog.focused != nullptr ? Json(dialog.focused->id) : Json());
    Json items = Json::MakeArray();
    for (const auto& item : dialog.items) items.Push(ItemState(*item));
    state.Set("items", std::move(items));
    state.Set("drawing", Drawing(dialog.drawing));
    return state;
}

}  // namespace

Json DialogsState(const DialogManager& dialogs) {
    Json list = Json::MakeArray();
    for (const auto& dialog : dialogs.Dialogs()) list.Push(DialogState(*dialog));
    return list;
}

}  // namespace host
