// The dialog manager's own handling of the user's actions, without a plug-in.
#include "emulator/models/dialogs/dialog_manager.h"

#include <gtest/gtest.h>

#include "emulator/core/host.h"
#include "tests/support/case_name.h"

namespace emulator {

void PrintTo(const ActionOutcome& outcome, std::ostream* out) {
    *out << (outcome.done ? "done" : "nothing happens: " + outcome.notice);
}

}  // namespace emulator

namespace {

const emulator::ActionOutcome kDone = emulator::ActionOutcome::Done();

emulator::ActionOutcome NothingHappens(const char* why) {
    return emulator::ActionOutcome::NothingHappens(why);
}

class Dialogs : public ::testing::Test {
  protected:
    Dialogs() { host.loop.Close(); }

    emulator::Item& Add(emulator::Dialog& dialog, int32_t id, const char* type) {
        return *host.dialogs.AddItem(dialog, id, type, {0, 0, 10, 10});
    }

    emulator::Host host{"unused"};
};

TEST_F(Dialogs, TypingAFieldStoresPointsWithinItsBounds) {
    emulator::Dialog& panel = *host.dialogs.Create("panel", 1, 3, false);
    emulator::Item& field = Add(panel, 3, kADMSpinEditType);
    field.units = kADMMillimeterUnits;
    field.precision = 2;
    field.minimum = 0;
    EXPECT_EQ(host.dialogs.Type(panel, 3, "25,4 "), kDone);
    EXPECT_FLOAT_EQ(field.value, 72);
    EXPECT_EQ(field.ShownText(), "25,40");
    EXPECT_EQ(host.dialogs.Type(panel, 3, "-5"), kDone);
    EXPECT_EQ(field.value, 0);
    EXPECT_EQ(host.dialogs.Type(panel, 3, "douze"),
              NothingHappens("\"douze\" is not a number; the field keeps its value"));
    EXPECT_EQ(field.value, 0);
}

TEST_F(Dialogs, ActionsOnDisabledOrHiddenItemsDoNothing) {
    emulator::Dialog& panel = *host.dialogs.Create("panel", 1, 3, false);
    emulator::Item& box = Add(panel, 7, kADMTextCheckBoxType);
    box.enabled = false;
    EXPECT_EQ(host.dialogs.Click(panel, 7), NothingHappens("item 7 is disabled; nothing happens"));
    EXPECT_FALSE(box.on);
    box.enabled = true;
    box.shown = false;
    EXPECT_EQ(host.dialogs.Click(panel, 7), NothingHappens("item 7 is hidden; nothing happens"));
    box.shown = true;
    EXPECT_EQ(host.dialogs.Click(panel, 7), kDone);
    EXPECT_TRUE(box.on);
}

TEST_F(Dialogs, ActionsAnItemCannotTakeStopTheRun) {
    emulator::Dialog& panel = *host.dialogs.Create("panel", 1, 3, false);
    Add(panel, 5, kADMTextStaticType);
    EXPECT_THROW(host.dialogs.Type(panel, 5, "1"), std::runtime_error);
    EXPECT_THROW(host.dialogs.Choose(panel, 5, 0), std::runtime_error);
    EXPECT_THROW(host.dialogs.Slide(panel, 5, 1), std::runtime_error);
    EXPECT_THROW(host.dialogs.Press(panel, 5, false), std::runtime_error);
    EXPECT_THROW(host.dialogs.Click(panel, 99), std::runtime_error);
    EXPECT_THROW(host.dialogs.ChooseMenu(panel, 0), std::runtime_error);  // an empty menu
}

TEST_F(Dialogs, APopupSelectsAnEnabledEntryOnly) {
    emulator::Dialog& panel = *host.dialogs.Create("panel", 1, 3, false);
    emulator::Item& popup = Add(panel, 20, kADMPopupListType);
    for (int i = 0; i < 3; ++i)
        host.dialogs.InsertEntry(*popup.list, i)->text = "e" + std::to_string(i);
    popup.list->entries[1]->separator = true;
    popup.list->entries[2]->enabled = false;
    EXPECT_EQ(host.dialogs.Choose(panel, 20, 0), kDone);
    EXPECT_EQ(popup.ShownText(), "e0");
    EXPECT_EQ(host.dialogs.Choose(panel, 20, 1),
              NothingHappens("entry 1 is a separator; nothing happens"));
    EXPECT_EQ(host.dialogs.Choose(panel, 20, 2),
              NothingHappens("entry 2 is disabled; nothing happens"));
    EXPECT_EQ(popup.ShownText(), "e0");
    EXPECT_THROW(host.dialogs.Choose(panel, 20, 3), std::runtime_error);
}

TEST_F(Dialogs, TheSliderKeepsWithinItsBounds) {
    emulator::Dialog& panel = *host.dialogs.Create("panel", 1, 3, false);
    emulator::Item& slider = Add(panel, 15, kADMSliderType);
    slider.minimum = -180;
    slider.maximum = 180;
    EXPECT_EQ(host.dialogs.Slide(panel, 15, 45.5f), kDone);
    EXPECT_EQ(slider.value, 45.5f);
    host.dialogs.Slide(panel, 15, 500);
    EXPECT_EQ(slider.value, 180);
}

TEST_F(Dialogs, DefaultAndCancelButtonsCloseAModalDialog) {
    for (int32_t button : {1, 2}) {
        emulator::Dialog& dialog = *host.dialogs.Create("modal", 1, 0, true);
        Add(dialog, 3, kADMTextPushButtonType);
        Add(dialog, button, kADMTextPushButtonType);
        host.loop.Post({1, [&] { host.dialogs.Click(*host.dialogs.ModalOnScreen(), 3); }});
        host.loop.Post({2, [&] { host.dialogs.Click(*host.dialogs.ModalOnScreen(), button); }});
        EXPECT_EQ(host.dialogs.RunModal(dialog), button);
        EXPECT_EQ(host.dialogs.ModalOnScreen(), nullptr);
    }
    EXPECT_TRUE(host.modals.Abandoned().empty());
}

TEST_F(Dialogs, AModalLeftOpenIsClosedThroughItsCancelButton) {
    emulator::Dialog& dialog = *host.dialogs.Create("modal", 1, 0, true);
    Add(dialog, 1, kADMTextPushButtonType);
    Add(dialog, 2, kADMTextPushButtonType);
    EXPECT_EQ(host.dialogs.RunModal(dialog), 2);
    ASSERT_EQ(host.modals.Abandoned().size(), 1u);
    EXPECT_EQ(host.modals.Abandoned()[0].kind, "dialog");
}

TEST_F(Dialogs, AFloatingDialogHasAFlyoutMenuAndACloseHitHidesIt) {
    emulator::Dialog& panel = *host.dialogs.Create("panel", 1, 3, false);
    emulator::Item* menu = panel.Find(kADMMenuItemID);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menu->list, nullptr);
    panel.visible = true;
    host.dialogs.NotifyDialog(panel, kADMCloseHitNotifier);
    EXPECT_FALSE(panel.visible);
}

TEST_F(Dialogs, DestroyedObjectsAreFreedAndNeverFoundAgain) {
    emulator::Dialog* panel = host.dialogs.Create("panel", 1, 3, false);
    emulator::Item& popup = Add(*panel, 20, kADMPopupListType);
    HostDialogRef dialog = host.dialogs.HandleOf(panel);
    HostItemRef item = host.dialogs.HandleOf(&popup);
    HostListRef list = host.dialogs.HandleOf(popup.list.get());
    HostEntryRef entry = host.dialogs.HandleOf(host.dialogs.InsertEntry(*popup.list, 0));
    host.dialogs.Destroy(*panel);
    EXPECT_TRUE(host.dialogs.Dialogs().empty());
    // Newer objects of every kind never take the old handles.
    emulator::Dialog* again = host.dialogs.Create("panel", 1, 3, false);
    emulator::Item& newer = Add(*again, 20, kADMPopupListType);
    host.dialogs.InsertEntry(*newer.list, 0);
    EXPECT_EQ(host.dialogs.FindDialog(dialog), nullptr);
    EXPECT_EQ(host.dialogs.FindItem(item), nullptr);
    EXPECT_EQ(host.dialogs.FindList(list), nullptr);
    EXPECT_EQ(host.dialogs.FindEntry(entry), nullptr);
}

TEST_F(Dialogs, AHandleOfOneKindIsNotFoundAsAnother) {
    emulator::Dialog* panel = host.dialogs.Create("panel", 1, 3, false);
    emulator::Item& popup = Add(*panel, 20, kADMPopupListType);
    auto as = [](auto handle) { return reinterpret_cast<uintptr_t>(handle); };
    uintptr_t dialog = as(host.dialogs.HandleOf(panel));
    uintptr_t item = as(host.dialogs.HandleOf(&popup));
    uintptr_t list = as(host.dialogs.HandleOf(popup.list.get()));
    EXPECT_EQ(host.dialogs.FindItem(reinterpret_cast<HostItemRef>(dialog)), nullptr);
    EXPECT_EQ(host.dialogs.FindList(reinterpret_cast<HostListRef>(item)), nullptr);
    EXPECT_EQ(host.dialogs.FindDialog(reinterpret_cast<HostDialogRef>(list)), nullptr);
    EXPECT_EQ(host.dialogs.FindItem(reinterpret_cast<HostItemRef>(item)), &popup);
    // Nor is a pointer to the object itself a handle.
    EXPECT_EQ(host.dialogs.FindItem(reinterpret_cast<HostItemRef>(&popup)), nullptr);
}

struct PaletteCase {
    const char* name;
    const char* readFrom;  // where the plug-in read a docking key, "" for nowhere
    const char* dockPrefix;
};

class PaletteState : public Dialogs, public ::testing::WithParamInterface<PaletteCase> {};

TEST_P(PaletteState, IsSavedWhenAFloatingDialogIsDestroyed) {
    if (*GetParam().readFrom != '\0')
        host.dialogs.NotePreferenceRead(GetParam().readFrom, "kADM_DPDockCodeStr");
    emulator::Dialog& panel = *host.dialogs.Create("Panel", 1, 3, false);
    panel.visible = false;
    panel.dockGroup = "Group";
    panel.dockCode = 42;
    host.dialogs.Destroy(panel);
    const emulator::PreferenceStore& store = host.preferences;
    ASSERT_NE(store.Find<bool>("Panel", "kADM_DPVisibleStr"), nullptr);
    EXPECT_FALSE(*store.Find<bool>("Panel", "kADM_DPVisibleStr"));
    ASSERT_NE(store.Find<std::string>(GetParam().dockPrefix, "kADM_DPDockGroupStr"), nullptr);
    EXPECT_EQ(*store.Find<std::string>(GetParam().dockPrefix, "kADM_DPDockGroupStr"), "Group");
    ASSERT_NE(store.Find<int32_t>(GetParam().dockPrefix, "kADM_DPDockCodeStr"), nullptr);
    EXPECT_EQ(*store.Find<int32_t>(GetParam().dockPrefix, "kADM_DPDockCodeStr"), 42);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, PaletteState,
                         ::testing::Values(PaletteCase{"WhereThePluginReadsIt", "Dock", "Dock"},
                                           PaletteCase{"UnderItsNameOtherwise", "", "Panel"}),
                         CaseName<PaletteCase>);

TEST_F(Dialogs, AModalDialogLeavesNoPaletteState) {
    const emulator::PreferenceStore::Prefixes before = host.preferences.All();
    emulator::Dialog& dialog = *host.dialogs.Create("modal", 1, 0, true);
    Add(dialog, 1, kADMTextPushButtonType);
    host.dialogs.RunModal(dialog);
    EXPECT_EQ(host.preferences.All(), before);
}

}  // namespace
