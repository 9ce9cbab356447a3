// The dialog manager: floating and modal dialogs, their items, drawing, and what the
// user does to them. Procedures of the plug-in are called directly, as the real dialog
// manager does, on the user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "emulator/host/action_outcome.h"
#include "emulator/host/dialogs/dialog.h"

namespace host {

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
    // What a tracked click reports: the button released over the item; SHIFT held.
    static constexpr int32_t kClickAction = 2;
    static constexpr int32_t kShiftModifier = 32;

    explicit DialogManager(Host& host) : host_(host) {}

    Dialog* Create(const std::string& name, int32_t resourceId, int32_t style, bool modal);
    // Runs the modal dialog until an item closes it; answers that item's number.
    int32_t RunModal(Dialog& dialog);
    void Destroy(Dialog* dialog);

    Item* AddItem(Dialog& dialog, int32_t id, const std::string& type, const HostRect& rect);
    Entry* InsertEntry(List& list, int32_t index);

    // Lookups of handles the plug-in gives back: null when unknown or destroyed.
    Dialog* FindDialog(const void* handle) const;
    Item* FindItem(const void* handle) const;
    List* FindList(const void* handle) const;
    Entry* FindEntry(const void* handle) const;
    Drawer* FindDrawer(const void* handle) const;
    DialogNotifier* FindNotifier(const void* handle) const;
    Tracker* FindTracker(const void* handle) const;
    // Empties LIST; its entries' handles stay invalid for good.
    void ClearList(List& list);
    // Fills LIST from the first popup of the plug-in's menu resource MENUID. False when
    // there is no such menu.
    bool FillFromMenu(List& list, int32_t menuId);

    // Drawing: dialogs are drawn again when idle, after each event.
    void Invalidate(Dialog& dialog) { dialog.dirty = true; }
    void RedrawDirty();
    void DefaultDraw(Dialog& dialog, Drawer& drawer);
    void DefaultDraw(Item& item, Drawer& drawer);

    // The notification of ITEM: its notify procedure, or the default handling.
    void Notify(Item& item, const char* type);
    void DefaultNotify(Item& item, const DialogNotifier& notifier);
    // A notification to the dialog itself (a close hit hides a floating dialog).
    void NotifyDialog(Dialog& dialog, const std::string& type);
    // A tracked click on a button: its track procedure, or the default tracking; a click
    // then notifies.
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
    const std::vector<std::unique_ptr<Dialog>>& Dialogs() const { return dialogs_; }

  private:
    void Redraw(Dialog& dialog);
    // Procedures of unloaded code must never be called.
    void RequirePluginCode() const;
    // The item the user's action reaches; WHY says why it cannot take it, if so.
    Item& Target(Dialog& dialog, int32_t id, std::string& why) const;
    void CloseModal(Dialog& dialog, int32_t itemId);
    void Forget(Dialog& dialog);

    Host& host_;
    std::vector<std::unique_ptr<Dialog>> dialogs_;
    std::vector<std::unique_ptr<Dialog>> destroyed_;  // kept so stale handles never match
    std::vector<std::unique_ptr<Entry>> removedEntries_;
    std::vector<Dialog*> modalStack_;
    std::unordered_set<const void*> liveItems_;
    std::unordered_set<const void*> liveLists_;
    std::unordered_set<const void*> liveEntries_;
    std::unordered_set<const void*> liveDrawers_;
    std::unordered_set<const void*> liveNotifiers_;
    std::unordered_set<const void*> liveTrackers_;
};

}  // namespace host
