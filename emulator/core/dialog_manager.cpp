#include "emulator/core/dialog_manager.h"

#include <algorithm>
#include <stdexcept>

#include "emulator/core/host.h"
#include "emulator/models/dialogs/value_text.h"
#include "emulator/models/resources/menu_resource.h"

namespace emulator {
namespace {

HostRect Centred(int32_t width, int32_t height) {
    HostRect screen = DialogManager::kScreen;
    int32_t left = (screen.right - screen.left - width) / 2;
    int32_t top = (screen.bottom - screen.top - height) / 3;
    return {left, top, left + width, top + height};
}

}  // namespace

Dialog* DialogManager::Create(const std::string& name, int32_t resourceId, int32_t style,
                              bool modal) {
    auto dialog = std::make_unique<Dialog>();
    dialog->name = name;
    dialog->resourceId = resourceId;
    dialog->style = style;
    dialog->modal = modal;
    dialog->bounds = modal ? Centred(300, 200) : HostRect{1500, 120, 1700, 320};
    Dialog* made = dialogs_.Find(dialogs_.Add(std::move(dialog)));
    // Every floating dialog has its flyout menu.
    if (!modal) AddList(*AddItem(*made, kADMMenuItemID, "ADM Menu Type", {0, 0, 0, 0}));
    return made;
}

List& DialogManager::AddList(Item& item) {
    item.list = std::make_unique<List>();
    lists_.Add(*item.list);
    return *item.list;
}

Item* DialogManager::AddItem(Dialog& dialog, int32_t id, const std::string& type,
                             const HostRect& rect) {
    auto item = std::make_unique<Item>();
    item->dialog = &dialog;
    item->id = id;
    item->type = type;
    item->rect = rect;
    items_.Add(*item);
    if (type == kADMPopupListType) AddList(*item);
    dialog.items.push_back(std::move(item));
    dialog.dirty = true;
    return dialog.items.back().get();
}

Entry* DialogManager::InsertEntry(List& list, int32_t index) {
    index = std::clamp<int32_t>(index, 0, static_cast<int32_t>(list.entries.size()));
    auto entry = std::make_unique<Entry>();
    entry->list = &list;
    entries_.Add(*entry);
    return list.entries.insert(list.entries.begin() + index, std::move(entry))->get();
}

void DialogManager::ClearList(List& list) {
    for (const auto& entry : list.entries) entries_.Remove(*entry);
    list.entries.clear();
    list.active = nullptr;
}

bool DialogManager::FillFromMenu(List& list, int32_t menuId) {
    // Entry flags of menu templates.
    constexpr uint16_t kGrayed = 0x0001, kDisabled = 0x0002, kChecked = 0x0008;
    const Resource* resource = host_.Plugin().Resources().Find(ResourceId::ParseType("MENU"),
                                                               static_cast<uint16_t>(menuId));
    if (resource == nullptr) return false;
    std::vector<MenuEntry> menu = ParseMenuResource(resource->data);
    if (menu.empty() || !menu.front().IsPopup()) return false;
    ClearList(list);
    for (const MenuEntry& source : menu.front().entries) {
        Entry* entry = InsertEntry(list, static_cast<int32_t>(list.entries.size()));
        entry->id = source.id;
        entry->text = source.text;
        entry->separator = source.separator;
        entry->enabled = (source.flags & (kGrayed | kDisabled)) == 0;
        entry->checked = (source.flags & kChecked) != 0;
    }
    return true;
}

void DialogManager::Free(Dialog& dialog) {
    for (const auto& item : dialog.items) {
        items_.Remove(*item);
        if (item->list == nullptr) continue;
        ClearList(*item->list);
        lists_.Remove(*item->list);
    }
    dialogs_.Remove(HandleOf(&dialog));
}

void DialogManager::Destroy(Dialog& dialog) {
    // Its loop still runs on the stack: it is closed now and freed when the loop ends.
    if (std::find(modalStack_.begin(), modalStack_.end(), &dialog) != modalStack_.end()) {
        CloseModal(dialog, -1);
        return;
    }
    if (!dialog.modal) SavePaletteState(dialog);
    Free(dialog);
}

void DialogManager::NotePreferenceRead(const std::string& prefix, const std::string& key) {
    if (key == kDockGroupKey || key == kDockCodeKey) dockPrefix_ = prefix;
}

void DialogManager::SavePaletteState(const Dialog& dialog) {
    host_.Preferences().Put(dialog.name, kVisibleKey, dialog.visible);
    if (!dialog.dockCode) return;  // never docked
    const std::string& prefix = dockPrefix_.value_or(dialog.name);
    host_.Preferences().Put(prefix, kDockGroupKey, dialog.dockGroup);
    host_.Preferences().Put(prefix, kDockCodeKey, *dialog.dockCode);
}

std::vector<Dialog*> DialogManager::Dialogs() const {
    std::vector<Dialog*> all;
    dialogs_.ForEach([&](Dialog& dialog) { all.push_back(&dialog); });
    return all;
}

int32_t DialogManager::RunModal(Dialog& dialog) {
    dialog.visible = true;
    modalStack_.push_back(&dialog);
    // However the dialog ends, it leaves the screen and is freed.
    struct Closing {
        DialogManager& manager;
        Dialog& dialog;
        ~Closing() {
            manager.modalStack_.pop_back();
            manager.Free(dialog);
        }
    } closing{*this, dialog};
    RedrawDirty();
    bool answered =
        host_.ModalWindows().RunModal("dialog", dialog.title.empty() ? dialog.name : dialog.title);
    if (!answered && !dialog.closedBy) {
        // Closed for the user, as the Escape key would: through the cancel button when
        // there is one, so that the plug-in hears of it.
        if (Item* cancel = dialog.Topmost(2); cancel != nullptr && cancel->IsPushButton())
            Notify(*cancel, kADMUserChangedNotifier);
        if (!dialog.closedBy) dialog.closedBy = -1;
    }
    return *dialog.closedBy;
}

void DialogManager::CloseModal(Dialog& dialog, int32_t itemId) {
    if (dialog.closedBy) return;
    dialog.closedBy = itemId;
    dialog.visible = false;
    if (!modalStack_.empty() && modalStack_.back() == &dialog) host_.ModalWindows().CloseTop();
}

void DialogManager::RedrawDirty() {
    // Procedures of unloaded code must never be called; the dialogs wait for the reload.
    if (!host_.Plugin().Loaded()) return;
    for (size_t i = 0; i < dialogs_.Size(); ++i) {
        Dialog& dialog = *dialogs_.At(i);
        if (dialog.dirty && dialog.visible) Redraw(dialog);
    }
}

void DialogManager::Redraw(Dialog& dialog) {
    dialog.dirty = false;
    dialog.drawing.clear();
    Drawer drawer{&dialog, nullptr, &dialog.drawing};
    LentHandle lent(drawers_, drawer);
    if (dialog.drawProc != nullptr) {
        PluginConnection::ProcedureCall inCode(host_.Plugin());
        dialog.drawProc(HandleOf(&dialog), lent.Get());
    } else {
        DefaultDraw(dialog, drawer);
    }
    for (const auto& listener : drawnListeners_) listener(dialog);
}

void DialogManager::DefaultDraw(Dialog& dialog, Drawer& drawer) {
    drawer.ops->push_back(DrawOp("items"));
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        Item& item = *dialog.items[i];
        item.drawing.clear();
        if (!item.shown || item.drawProc == nullptr) continue;
        Drawer itemDrawer{&dialog, &item, &item.drawing};
        LentHandle lent(drawers_, itemDrawer);
        PluginConnection::ProcedureCall inCode(host_.Plugin());
        item.drawProc(HandleOf(&item), lent.Get());
    }
}

void DialogManager::DefaultDraw(Item&, Drawer& drawer) {
    drawer.ops->push_back(DrawOp("default"));
}

void DialogManager::RequirePluginCode() const {
    if (!host_.Plugin().Loaded()) throw std::runtime_error("the plug-in's code is not loaded");
}

void DialogManager::Notify(Item& item, const char* type) {
    DialogNotifier notifier{type, &item};
    LentHandle lent(notifiers_, notifier);
    HostItemRef handle = HandleOf(&item);
    if (item.notifyProc != nullptr) {
        RequirePluginCode();
        PluginConnection::ProcedureCall inCode(host_.Plugin());
        item.notifyProc(handle, lent.Get());
    } else {
        DefaultNotify(item, notifier);
    }
    // The procedure may have destroyed the item's dialog.
    if (Item* still = FindItem(handle)) still->dialog->dirty = true;
}

void DialogManager::DefaultNotify(Item& item, const DialogNotifier& notifier) {
    // The default and cancel buttons of a modal dialog close it.
    bool closing = item.dialog->modal && item.IsPushButton() && (item.id == 1 || item.id == 2);
    if (closing && notifier.type == kADMUserChangedNotifier) CloseModal(*item.dialog, item.id);
}

void DialogManager::NotifyDialog(Dialog& dialog, const std::string& type) {
    if (type == kADMCloseHitNotifier && !dialog.modal) dialog.visible = false;
    dialog.dirty = true;
}

bool DialogManager::DefaultTrack(Item&, const Tracker& tracker) {
    return tracker.action == kADMClickAction;
}

void DialogManager::Track(Item& item, bool shift) {
    if (item.trackProc != nullptr) RequirePluginCode();
    shift = shift || host_.Input().Keys().IsDown(ModifierKey::kShift);
    Tracker tracker{kADMClickAction, shift ? kADMShiftModifier : 0};
    bool clicked = false;
    HostItemRef handle = HandleOf(&item);
    {
        LentHandle lent(trackers_, tracker);
        PluginConnection::ProcedureCall inCode(host_.Plugin());
        clicked = item.trackProc != nullptr ? item.trackProc(handle, lent.Get())
                                            : DefaultTrack(item, tracker);
    }
    // The procedure may have destroyed the item's dialog.
    if (Item* still = FindItem(handle); clicked && still != nullptr)
        Notify(*still, kADMUserChangedNotifier);
}

Item& DialogManager::Target(Dialog& dialog, int32_t id, std::string& why) const {
    Item* item = dialog.Topmost(id);
    if (item == nullptr)
        throw std::runtime_error("the dialog \"" + dialog.name + "\" has no item " +
                                 std::to_string(id));
    if (!item->shown)
        why = "item " + std::to_string(id) + " is hidden; nothing happens";
    else if (!item->enabled)
        why = "item " + std::to_string(id) + " is disabled; nothing happens";
    return *item;
}

namespace {

void RequireType(const Item& item, bool matches, const char* what) {
    if (!matches) throw std::runtime_error("item " + std::to_string(item.id) + " is not " + what);
}

std::string EntryUnusable(const Entry& entry, int32_t index) {
    if (entry.separator)
        return "entry " + std::to_string(index) + " is a separator; nothing happens";
    if (!entry.enabled) return "entry " + std::to_string(index) + " is disabled; nothing happens";
    return "";
}

}  // namespace

ActionOutcome DialogManager::Click(Dialog& dialog, int32_t id) {
    std::string why;
    Item& item = Target(dialog, id, why);
    if (!why.empty()) return ActionOutcome::NothingHappens(why);
    if (item.IsPushButton()) {
        Track(item, false);
    } else if (item.type == kADMTextCheckBoxType) {
        item.on = !item.on;
        Notify(item, kADMUserChangedNotifier);
    } else if (item.type == kADMPictureRadioButtonType) {
        item.on = true;
        Notify(item, kADMUserChangedNotifier);
    } else if (item.type == kADMSpinEditType) {
        dialog.focused = &item;  // a click in a field puts the caret there
        dialog.dirty = true;
    } else {
        Notify(item, kADMUserChangedNotifier);
    }
    return ActionOutcome::Done();
}

ActionOutcome DialogManager::Type(Dialog& dialog, int32_t id, const std::string& text) {
    std::string why;
    Item& item = Target(dialog, id, why);
    RequireType(item, item.type == kADMSpinEditType, "a field one can type in");
    if (!why.empty()) return ActionOutcome::NothingHappens(why);
    std::optional<float> value = ParseValue(text, item.units);
    if (!value)
        return ActionOutcome::NothingHappens("\"" + text +
                                             "\" is not a number; the field keeps its value");
    dialog.focused = &item;
    item.value = item.Clamp(*value);
    Notify(item, kADMUserChangedNotifier);
    return ActionOutcome::Done();
}

ActionOutcome DialogManager::Choose(Dialog& dialog, int32_t id, int32_t index) {
    std::string why;
    Item& item = Target(dialog, id, why);
    RequireType(item, item.type == kADMPopupListType && item.list != nullptr, "a popup list");
    if (index < 0 || index >= static_cast<int32_t>(item.list->entries.size()))
        throw std::runtime_error("the popup " + std::to_string(id) + " has no entry " +
                                 std::to_string(index));
    Entry& entry = *item.list->entries[static_cast<size_t>(index)];
    if (why.empty()) why = EntryUnusable(entry, index);
    if (!why.empty()) return ActionOutcome::NothingHappens(why);
    item.list->active = &entry;
    Notify(item, kADMUserChangedNotifier);
    return ActionOutcome::Done();
}

ActionOutcome DialogManager::Slide(Dialog& dialog, int32_t id, float value) {
    std::string why;
    Item& item = Target(dialog, id, why);
    RequireType(item, item.type == kADMSliderType, "a slider");
    if (!why.empty()) return ActionOutcome::NothingHappens(why);
    item.value = item.Clamp(value);
    Notify(item, kADMUserChangedNotifier);
    return ActionOutcome::Done();
}

ActionOutcome DialogManager::Press(Dialog& dialog, int32_t id, bool shift) {
    std::string why;
    Item& item = Target(dialog, id, why);
    RequireType(item, item.IsPushButton(), "a push button");
    if (!why.empty()) return ActionOutcome::NothingHappens(why);
    Track(item, shift);
    return ActionOutcome::Done();
}

ActionOutcome DialogManager::ChooseMenu(Dialog& dialog, int32_t index) {
    Item* menu = dialog.Find(kADMMenuItemID);
    if (menu == nullptr || menu->list == nullptr)
        throw std::runtime_error("the dialog \"" + dialog.name + "\" has no flyout menu");
    if (index < 0 || index >= static_cast<int32_t>(menu->list->entries.size()))
        throw std::runtime_error("the flyout menu has no entry " + std::to_string(index));
    Entry& entry = *menu->list->entries[static_cast<size_t>(index)];
    std::string why = EntryUnusable(entry, index);
    if (!why.empty()) return ActionOutcome::NothingHappens(why);
    menu->list->active = &entry;
    Notify(*menu, kADMUserChangedNotifier);
    return ActionOutcome::Done();
}

ActionOutcome DialogManager::Check(Dialog& dialog, int32_t id, bool on) {
    std::string why;
    Item& item = Target(dialog, id, why);
    RequireType(item, item.type == kADMTextCheckBoxType, "a check box");
    if (!why.empty()) return ActionOutcome::NothingHappens(why);
    if (item.on != on) return Click(dialog, id);
    return ActionOutcome::Done();
}

Dialog* DialogManager::Panel() const {
    for (Dialog* dialog : Dialogs())
        if (!dialog->modal) return dialog;
    return nullptr;
}

Dialog* DialogManager::ModalOnScreen() const {
    return modalStack_.empty() ? nullptr : modalStack_.back();
}

}  // namespace emulator
