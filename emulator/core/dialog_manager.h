// The dialog manager: floating and modal dialogs, their items, drawing, and what the
// user does to them. Procedures of the plug-in are called directly, as the real dialog
// manager does, on the user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/models/action_outcome.h"
#include "emulator/models/dialogs/dialog.h"
#include "emulator/models/handle_table.h"

namespace emulator {

class Host;

// Handed to drawing procedures, valid for the call.
struct Drawer {
    Dialog* dialog = nullptr;
    Item* item = nullptr;  // null when the dialog itself is drawn
    std::vector<DrawOp>* ops = nullptr;
    int32_t color = kADMBlackColor;
    int32_t font = 0;
};

// Handed to notify procedures, valid for the call.
struct DialogNotifier {
    std::string type;
    Item* item = nullptr;
};

// Handed to track procedures, valid for the call.
struct Tracker {
    int32_t action = 0;
    int32_t modifiers = 0;
};

class DialogManager {
  public:
    // The emulated main screen.
    static constexpr HostRect kScreen = {0, 0, 1920, 1080};
    explicit DialogManager(Host& host) : host_(host) {}

    Dialog* Create(const std::string& name, int32_t resourceId, int32_t style, bool modal);
    // Runs the modal dialog until an item closes it; answers that item's number.
    int32_t RunModal(Dialog& dialog);
    // Frees the dialog with its items, lists and entries. A floating dialog's state is saved
    // first (SavePaletteState). A modal dialog still running is closed instead, and freed
    // when its loop ends.
    void Destroy(Dialog& dialog);

    // The preference keys of a floating dialog's state, as a dialog manager keeps them for
    // its palettes from one session to the next.
    static constexpr const char* kVisibleKey = "kADM_DPVisibleStr";
    static constexpr const char* kDockGroupKey = "kADM_DPDockGroupStr";
    static constexpr const char* kDockCodeKey = "kADM_DPDockCodeStr";
    // The plug-in read the preference KEY under PREFIX: a docking key is saved back where
    // the plug-in reads it.
    void NotePreferenceRead(const std::string& prefix, const std::string& key);
    // Saves whether DIALOG is shown under its name as the prefix, and its dock group and
    // code under the prefix the plug-in last read a docking key from (its name too, when it
    // read none).
    void SavePaletteState(const Dialog& dialog);

    Item* AddItem(Dialog& dialog, int32_t id, const std::string& type, const HostRect& rect);
    Entry* InsertEntry(List& list, int32_t index);

    // Lookups of handles the plug-in gives back: null when unknown or freed. Drawers,
    // notifiers and trackers are found only during the call they were handed to.
    Dialog* FindDialog(HostDialogRef handle) const { return dialogs_.Find(handle); }
    Item* FindItem(HostItemRef handle) const { return items_.Find(handle); }
    List* FindList(HostListRef handle) const { return lists_.Find(handle); }
    Entry* FindEntry(HostEntryRef handle) const { return entries_.Find(handle); }
    Drawer* FindDrawer(HostDrawerRef handle) const { return drawers_.Find(handle); }
    DialogNotifier* FindNotifier(HostDialogNotifierRef handle) const {
        return notifiers_.Find(handle);
    }
    Tracker* FindTracker(HostTrackerRef handle) const { return trackers_.Find(handle); }
    // The handles the plug-in receives; null for no object.
    HostDialogRef HandleOf(const Dialog* dialog) const { return dialogs_.HandleOf(dialog); }
    HostItemRef HandleOf(const Item* item) const { return items_.HandleOf(item); }
    HostListRef HandleOf(const List* list) const { return lists_.HandleOf(list); }
    HostEntryRef HandleOf(const Entry* entry) const { return entries_.HandleOf(entry); }
    // Empties LIST and frees its entries.
    void ClearList(List& list);
    // Fills LIST from the first popup of the plug-in's menu resource MENUID. False when
    // there is no such menu.
    bool FillFromMenu(List& list, int32_t menuId);

    // Drawing: dialogs are drawn again when idle, after each event.
    void Invalidate(Dialog& dialog) { dialog.dirty = true; }
    void RedrawDirty();
    // LISTENER sees each dialog just drawn, as the user now sees it.
    void AddDrawnListener(std::function<void(const Dialog&)> listener) {
        drawnListeners_.push_back(std::move(listener));
    }
    void DefaultDraw(Dialog& dialog, Drawer& drawer);
    void DefaultDraw(Item& item, Drawer& drawer);

    // The notification of ITEM: its notify procedure, or the default handling.
    void Notify(Item& item, const char* type);
    void DefaultNotify(Item& item, const DialogNotifier& notifier);
    // A notification to the dialog itself (a close hit hides a floating dialog).
    void NotifyDialog(Dialog& dialog, const std::string& type);
    // A tracked click on a button: its track procedure, or the default tracking; a click
    // then notifies. SHIFT is held when asked for or when the keyboard holds it.
    void Track(Item& item, bool shift);
    bool DefaultTrack(Item& item, const Tracker& tracker);

    // What the user does. Each throws std::runtime_error for an item that does not exist
    // or cannot take the action. Nothing happens, as in a real interface, to a disabled or
    // hidden item or to typed text that is not a number; the outcome then says why.
    ActionOutcome Click(Dialog& dialog, int32_t id);
    ActionOutcome Type(Dialog& dialog, int32_t id, const std::string& text);
    ActionOutcome Choose(Dialog& dialog, int32_t id, int32_t index);
    ActionOutcome Slide(Dialog& dialog, int32_t id, float value);
    ActionOutcome Press(Dialog& dialog, int32_t id, bool shift);
    ActionOutcome ChooseMenu(Dialog& dialog, int32_t index);
    ActionOutcome Check(Dialog& dialog, int32_t id, bool on);

    // The floating dialog (the panel), or null.
    Dialog* Panel() const;
    // The modal dialog on top of the screen, or null.
    Dialog* ModalOnScreen() const;
    // Every dialog, in the order they were made.
    std::vector<Dialog*> Dialogs() const;

  private:
    void Redraw(Dialog& dialog);
    // Procedures of unloaded code must never be called.
    void RequirePluginCode() const;
    // The item the user's action reaches; WHY says why it cannot take it, if so.
    Item& Target(Dialog& dialog, int32_t id, std::string& why) const;
    void CloseModal(Dialog& dialog, int32_t itemId);
    void Free(Dialog& dialog);
    List& AddList(Item& item);

    Host& host_;
    HandleTable<HostDialogRef, Dialog> dialogs_;
    // The dialogs own their items, the items their lists and the lists their entries.
    HandleRegistry<HostItemRef, Item> items_;
    HandleRegistry<HostListRef, List> lists_;
    HandleRegistry<HostEntryRef, Entry> entries_;
    // Lent to the plug-in's procedures for the length of a call.
    HandleRegistry<HostDrawerRef, Drawer> drawers_;
    HandleRegistry<HostDialogNotifierRef, DialogNotifier> notifiers_;
    HandleRegistry<HostTrackerRef, Tracker> trackers_;
    std::vector<Dialog*> modalStack_;
    std::optional<std::string> dockPrefix_;  // where the plug-in last read a docking key
    std::vector<std::function<void(const Dialog&)>> drawnListeners_;
};

}  // namespace emulator
