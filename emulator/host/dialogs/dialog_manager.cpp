#include "emulator/host/dialogs/dialog_manager.h"

#include <algorithm>
#include <stdexcept>

#include "emulator/host/dialogs/value_text.h"
#include "emulator/host/host.h"
#include "emulator/host/resources/menu_resource.h"

namespace host {
namespace {

// Registers a stack object for the length of a call into the plug-in.
class LiveDuringCall {
  public:
    LiveDuringCall(std::unordered_set<const void*>& live, const void* object)
        : live_(live), object_(object) {
        live_.insert(object_);
    }
    ~LiveDuringCall() { live_.erase(object_); }
    LiveDuringCall(const LiveDuringCall&) = delete;
    LiveDuringCall& operator=(const LiveDuringCall&) = delete;

  private:
    std::unordered_set<const void*>& live_;
    const void* object_;
};

template <typename Handle>
Handle HandleTo(const void* object) {
    return reinterpret_cast<Handle>(const_cast<void*>(object));
}

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
    if (!modal) {
        // Every floating dialog has its flyout menu.
        Item* menu = AddItem(*dialog, kADMMenuItemID, "ADM Menu Type", {0, 0, 0, 0});
        menu->list = std::make_unique<List>();
        liveLists_.insert(menu->list.get());
    }
    dialogs_.push_back(std::move(dialog));
    return dialogs_.back().get();
}

Item* DialogManager::AddItem(Dialog& dialog, int32_t id, const std::string& type,
                             const HostRect& rect) {
    auto item = std::make_unique<Item>();
    item->dialog = &dialog;
    item->id = id;
    item->type = type;
    item->rect = rect;
    if (type == kADMPopupListType) {
        item->list = std::make_unique<List>();
        liveLists_.insert(item->list.get());
    }
    liveItems_.insert(item.get());
    dialog.items.push_back(std::move(item));
    dialog.dirty = true;
    return dialog.items.back().get();
}

Entry* DialogManager::InsertEntry(List& list, int32_t index) {
    index = std::clamp<int32_t>(index, 0, static_cast<int32_t>(list.entries.size()));
    auto entry = std::make_unique<Entry>();
    entry->list = &list;
    liveEntries_.insert(entry.get());
    return list.entries.insert(list.entries.begin() + index, std::move(entry))->get();
}

void DialogManager::ClearList(List& list) {
    for (auto& entry : list.entries) {
        liveEntries_.erase(entry.get());
        removedEntries_.push_back(std::move(entry));
    }
    list.entries.clear();
    list.active = nullptr;
}

bool DialogManager::FillFromMenu(List& list, int32_t menuId) {
    // Entry flags of menu templates.
    constexpr uint16_t kGrayed = 0x0001, kDisabled = 0x0002, kChecked = 0x0008;
    const Resource* resource =
        host_.plugin.Resources().Find(ResourceId::ParseType("MENU"), static_cast<uint16_t>(menuId));
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

void DialogManager::Forget(Dialog& dialog) {
    for (auto& item : dialog.items) {
        liveItems_.erase(item.get());
        if (item->list == nullptr) continue;
        ClearList(*item->list);
        liveLists_.erase(item->list.get());
    }
}

void DialogManager::Destroy(Dialog* dialog) {
    auto found = std::find_if(dialogs_.begin(), dialogs_.end(),
                              [&](const auto& candidate) { return candidate.get() == dialog; });
    if (found == dialogs_.end()) return;
    Forget(**found);
    destroyed_.push_back(std::move(*found));
    dialogs_.erase(found);
}

Dialog* DialogManager::FindDialog(const void* handle) const {
    for (const auto& dialog : dialogs_)
        if (dialog.get() == handle) return dialog.get();
    return nullptr;
}

Item* DialogManager::FindItem(const void* handle) const {
    return liveItems_.contains(handle) ? static_cast<Item*>(const_cast<void*>(handle)) : nullptr;
}

List* DialogManager::FindList(const void* handle) const {
    return liveLists_.contains(handle) ? static_cast<List*>(const_cast<void*>(handle)) : nullptr;
}

Entry* DialogManager::FindEntry(const void* handle) const {
    return liveEntries_.contains(handle) ? static_cast<Entry*>(const_cast<void*>(handle)) : nullptr;
}

Drawer* DialogManager::FindDrawer(const void* handle) const {
    return liveDrawers_.contains(handle) ? static_cast<Drawer*>(const_cast<void*>(handle))
                                         : nullptr;
}

DialogNotifier* DialogManager::FindNotifier(const void* handle) const {
    return liveNotifiers_.contains(handle) ? static_cast<DialogNotifier*>(const_cast<void*>(handle))
                                           : nullptr;
}

Tracker* DialogManager::FindTracker(const void* handle) const {
    return liveTrackers_.contains(handle) ? static_cast<Tracker*>(const_cast<void*>(handle))
                                          : nullptr;
}

int32_t DialogManager::RunModal(Dialog& dialog) {
    dialog.visible = true;
    modalStack_.push_back(&dialog);
    // However the dialog ends, it leaves the screen and is destroyed.
    struct Closing {
        DialogManager& manager;
        Dialog& dialog;
        ~Closing() {
            manager.modalStack_.pop_back();
            manager.Destroy(&dialog);
        }
    } closing{*this, dialog};
    RedrawDirty();
    bool answered =
        host_.modals.RunModal("dialog", dialog.title.empty() ? dialog.name : dialog.title);
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
    if (!modalStack_.empty() && modalStack_.back() == &dialog) host_.modals.CloseTop();
}

void DialogManager::RedrawDirty() {
    // Procedures of unloaded code must never be called; the dialogs wait for the reload.
    if (!host_.plugin.Loaded()) return;
    for (size_t i = 0; i < dialogs_.size(); ++i) {
        Dialog& dialog = *dialogs_[i];
        if (dialog.dirty && dialog.visible) Redraw(dialog);
    }
}

void DialogManager::Redraw(Dialog& dialog) {
    dialog.dirty = false;
    dialog.drawing.clear();
    Drawer drawer{&dialog, nullptr, &dialog.drawing};
    LiveDuringCall live(liveDrawers_, &drawer);
    if (dialog.drawProc != nullptr)
        dialog.drawProc(HandleTo<HostDialogRef>(&dialog), HandleTo<HostDrawerRef>(&drawer));
    else
        DefaultDraw(dialog, drawer);
}

void DialogManager::DefaultDraw(Dialog& dialog, Drawer& drawer) {
    drawer.ops->push_back(DrawOp("items"));
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        Item& item = *dialog.items[i];
        item.drawing.clear();
        if (!item.shown || item.drawProc == nullptr) continue;
        Drawer itemDrawer{&dialog, &item, &item.drawing};
        LiveDuringCall live(liveDrawers_, &itemDrawer);
        item.drawProc(HandleTo<HostItemRef>(&item), HandleTo<HostDrawerRef>(&itemDrawer));
    }
}

void DialogManager::DefaultDraw(Item&, Drawer& drawer) {
    drawer.ops->push_back(DrawOp("default"));
}

void DialogManager::RequirePluginCode() const {
    if (!host_.plugin.Loaded()) throw std::runtime_error("the plug-in's code is not loaded");
}

void DialogManager::Notify(Item& item, const char* type) {
    DialogNotifier notifier{type, &item};
    LiveDuringCall live(liveNotifiers_, &notifier);
    if (item.notifyProc != nullptr) {
        RequirePluginCode();
        item.notifyProc(HandleTo<HostItemRef>(&item), HandleTo<HostDialogNotifierRef>(&notifier));
    } else {
        DefaultNotify(item, notifier);
    }
    item.dialog->dirty = true;
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
    return tracker.action == kClickAction;
}

void DialogManager::Track(Item& item, bool shift) {
    if (item.trackProc != nullptr) RequirePluginCode();
    Tracker tracker{kClickAction, shift ? kShiftModifier : 0};
    bool clicked = false;
    {
        LiveDuringCall live(liveTrackers_, &tracker);
        clicked = item.trackProc != nullptr ? item.trackProc(HandleTo<HostItemRef>(&item),
                                                             HandleTo<HostTrackerRef>(&tracker))
                                            : DefaultTrack(item, tracker);
    }
    if (clicked) Notify(item, kADMUserChangedNotifier);
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
    for (const auto& dialog : dialogs_)
        if (!dialog->modal) return dialog.get();
    return nullptr;
}

Dialog* DialogManager::ModalOnScreen() const {
    return modalStack_.empty() ? nullptr : modalStack_.back();
}

}  // namespace host
