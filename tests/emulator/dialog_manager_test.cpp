// The dialog manager's own handling of the user's actions, without a plug-in.
#include "emulator/core/dialog_manager.h"

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
    Dialogs() { host.Loop().Close(); }

    emulator::Item& Add(emulator::Dialog& dialog, int32_t id, const char* type) {
        return *host.Dialogs().AddItem(dialog, id, type, {0, 0, 10, 10});
    }

    emulator::Host host{"unused"};
};

TEST_F(Dialogs, TypingAFieldStoresPointsWithinItsBounds) {
    emulator::Dialog& panel = *host.Dialogs().Create("panel", 1, 3, false);
    emulator::Item& field = Add(panel, 3, kADMSpinEditType);
    field.units = kADMMillimeterUnits;
    field.precision = 2;
    field.minimum = 0;
    EXPECT_EQ(host.Dialogs().Type(panel, 3, "25,4 "), kDone);
    EXPECT_FLOAT_EQ(field.value, 72);
    EXPECT_EQ(field.ShownText(), "25,40");
    EXPECT_EQ(host.Dialogs().Type(panel, 3, "-5"), kDone);
    EXPECT_EQ(field.value, 0);
    EXPECT_EQ(host.Dialogs().Type(panel, 3, "douze"),
              NothingHappens("\"douze\" is not a number; the field keeps its value"));
    EXPECT_EQ(field.value, 0);
}

TEST_F(Dialogs, ActionsOnDisabledOrHiddenItemsDoNothing) {
    emulator::Dialog& panel = *host.Dialogs().Create("panel", 1, 3, false);
    emulator::Item& box = Add(panel, 7, kADMTextCheckBoxType);
    box.enabled = false;
    EXPECT_EQ(host.Dialogs().Click(panel, 7),
              NothingHappens("item 7 is disabled; nothing happens"));
    EXPECT_FALSE(box.on);
    box.enabled = true;
    box.shown = false;
    EXPECT_EQ(host.Dialogs().Click(panel, 7), NothingHappens("item 7 is hidden; nothing happens"));
    box.shown = true;
    EXPECT_EQ(host.Dialogs().Click(panel, 7), kDone);
    EXPECT_TRUE(box.on);
}

TEST_F(Dialogs, ActionsAnItemCannotTakeStopTheRun) {
    emulator::Dialog& panel = *host.Dialogs().Create("panel", 1, 3, false);
    Add(panel, 5, kADMTextStaticType);
    EXPECT_THROW(host.Dialogs().Type(panel, 5, "1"), std::runtime_error);
    EXPECT_THROW(host.Dialogs().Choose(panel, 5, 0), std::runtime_error);
    EXPECT_THROW(host.Dialogs().Slide(panel, 5, 1), std::runtime_error);
    EXPECT_THROW(host.Dialogs().Press(panel, 5, false), std::runtime_error);
    EXPECT_THROW(host.Dialogs().Click(panel, 99), std::runtime_error);
    EXPECT_THROW(host.Dialogs().ChooseMenu(panel, 0), std::runtime_error);  // an empty menu
}

TEST_F(Dialogs, APopupSelectsAnEnabledEntryOnly) {
    emulator::Dialog& panel = *host.Dialogs().Create("panel", 1, 3, false);
    emulator::Item& popup = Add(panel, 20, kADMPopupListType);
    for (int i = 0; i < 3; ++i)
        host.Dialogs().InsertEntry(*popup.list, i)->text = "e" + std::to_string(i);
    popup.list->entries[1]->separator = true;
    popup.list->entries[2]->enabled = false;
    EXPECT_EQ(host.Dialogs().Choose(panel, 20, 0), kDone);
    EXPECT_EQ(popup.ShownText(), "e0");
    EXPECT_EQ(host.Dialogs().Choose(panel, 20, 1),
              NothingHappens("entry 1 is a separator; nothing happens"));
    EXPECT_EQ(host.Dialogs().Choose(panel, 20, 2),
              NothingHappens("entry 2 is disabled; nothing happens"));
    EXPECT_EQ(popup.ShownText(), "e0");
    EXPECT_THROW(host.Dialogs().Choose(panel, 20, 3), std::runtime_error);
}

TEST_F(Dialogs, TheSliderKeepsWithinItsBounds) {
    emulator::Dialog& panel = *host.Dialogs().Create("panel", 1, 3, false);
    emulator::Item& slider = Add(panel, 15, kADMSliderType);
    slider.minimum = -180;
    slider.maximum = 180;
    EXPECT_EQ(host.Dialogs().Slide(panel, 15, 45.5f), kDone);
    EXPECT_EQ(slider.value, 45.5f);
    host.Dialogs().Slide(panel, 15, 500);
    EXPECT_EQ(slider.value, 180);
}

TEST_F(Dialogs, DefaultAndCancelButtonsCloseAModalDialog) {
    for (int32_t button : {1, 2}) {
        emulator::Dialog& dialog = *host.Dialogs().Create("modal", 1, 0, true);
        Add(dialog, 3, kADMTextPushButtonType);
        Add(dialog, button, kADMTextPushButtonType);
        host.Loop().Post({1, [&] { host.Dialogs().Click(*host.Dialogs().ModalOnScreen(), 3); }});
        host.Loop().Post(
            {2, [&] { host.Dialogs().Click(*host.Dialogs().ModalOnScreen(), button); }});
        EXPECT_EQ(host.Dialogs().RunModal(dialog), button);
        EXPECT_EQ(host.Dialogs().ModalOnScreen(), nullptr);
    }
    EXPECT_TRUE(host.ModalWindows().Abandoned().empty());
}

TEST_F(Dialogs, AModalLeftOpenIsClosedThroughItsCancelButton) {
    emulator::Dialog& dialog = *host.Dialogs().Create("modal", 1, 0, true);
    Add(dialog, 1, kADMTextPushButtonType);
    Add(dialog, 2, kADMTextPushButtonType);
    EXPECT_EQ(host.Dialogs().RunModal(dialog), 2);
    ASSERT_EQ(host.ModalWindows().Abandoned().size(), 1u);
    EXPECT_EQ(host.ModalWindows().Abandoned()[0].kind, "dialog");
}

TEST_F(Dialogs, AFloatingDialogHasAFlyoutMenuAndACloseHitHidesIt) {
    emulator::Dialog& panel = *host.Dialogs().Create("panel", 1, 3, false);
    emulator::Item* menu = panel.Find(kADMMenuItemID);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menu->list, nullptr);
    panel.visible = true;
    host.Dialogs().NotifyDialog(panel, kADMCloseHitNotifier);
    EXPECT_FALSE(panel.visible);
}

TEST_F(Dialogs, DestroyedObjectsAreFreedAndNeverFoundAgain) {
    emulator::Dialog* panel = host.Dialogs().Create("panel", 1, 3, false);
    emulator::Item& popup = Add(*panel, 20, kADMPopupListType);
    HostDialogRef dialog = host.Dialogs().HandleOf(panel);
    HostItemRef item = host.Dialogs().HandleOf(&popup);
    HostListRef list = host.Dialogs().HandleOf(popup.list.get());
    HostEntryRef entry = host.Dialogs().HandleOf(host.Dialogs().InsertEntry(*popup.list, 0));
    host.Dialogs().Destroy(*panel);
    EXPECT_TRUE(host.Dialogs().Dialogs().empty());
    // Newer objects of every kind never take the old handles.
    emulator::Dialog* again = host.Dialogs().Create("panel", 1, 3, false);
    emulator::Item& newer = Add(*again, 20, kADMPopupListType);
    host.Dialogs().InsertEntry(*newer.list, 0);
    EXPECT_EQ(host.Dialogs().FindDialog(dialog), nullptr);
    EXPECT_EQ(host.Dialogs().FindItem(item), nullptr);
    EXPECT_EQ(host.Dialogs().FindList(list), nullptr);
    EXPECT_EQ(host.Dialogs().FindEntry(entry), nullptr);
}

TEST_F(Dialogs, AHandleOfOneKindIsNotFoundAsAnother) {
    emulator::Dialog* panel = host.Dialogs().Create("panel", 1, 3, false);
    emulator::Item& popup = Add(*panel, 20, kADMPopupListType);
    auto as = [](auto handle) { return reinterpret_cast<uintptr_t>(handle); };
    uintptr_t dialog = as(host.Dialogs().HandleOf(panel));
    uintptr_t item = as(host.Dialogs().HandleOf(&popup));
    uintptr_t list = as(host.Dialogs().HandleOf(popup.list.get()));
    EXPECT_EQ(host.Dialogs().FindItem(reinterpret_cast<HostItemRef>(dialog)), nullptr);
    EXPECT_EQ(host.Dialogs().FindList(reinterpret_cast<HostListRef>(item)), nullptr);
    EXPECT_EQ(host.Dialogs().FindDialog(reinterpret_cast<HostDialogRef>(list)), nullptr);
    EXPECT_EQ(host.Dialogs().FindItem(reinterpret_cast<HostItemRef>(item)), &popup);
    // Nor is a pointer to the object itself a handle.
    EXPECT_EQ(host.Dialogs().FindItem(reinterpret_cast<HostItemRef>(&popup)), nullptr);
}

struct PaletteCase {
    const char* name;
    const char* readFrom;  // where the plug-in read a docking key, "" for nowhere
    const char* dockPrefix;
};

class PaletteState : public Dialogs, public ::testing::WithParamInterface<PaletteCase> {};

TEST_P(PaletteState, IsSavedWhenAFloatingDialogIsDestroyed) {
    if (*GetParam().readFrom != '\0')
        host.Dialogs().NotePreferenceRead(GetParam().readFrom, "kADM_DPDockCodeStr");
    emulator::Dialog& panel = *host.Dialogs().Create("Panel", 1, 3, false);
    panel.visible = false;
    panel.dockGroup = "Group";
    panel.dockCode = 42;
    host.Dialogs().Destroy(panel);
    const emulator::PreferenceStore& store = host.Preferences();
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
    const emulator::PreferenceStore::Prefixes before = host.Preferences().All();
    emulator::Dialog& dialog = *host.Dialogs().Create("modal", 1, 0, true);
    Add(dialog, 1, kADMTextPushButtonType);
    host.Dialogs().RunModal(dialog);
    EXPECT_EQ(host.Preferences().All(), before);
}

}  // namespace
