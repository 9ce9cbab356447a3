// The dialog manager's items: values, texts, looks, procedures.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMItemSuite;

Arguments Describe(HostItemRef item) {
    return Arguments().Add("item", item);
}

// Serves FUNCTION on the item HANDLE: BODY(host, item) changes it, after which the dialog is
// drawn again.
template <typename DescribeCall, typename Body>
void Change(const char* function, HostItemRef handle, DescribeCall describe, Body body) {
    Serve(kSuite, function, describe, Needs(Resolve(FindItem, handle)),
          [&](Host& host, Item& item) {
              body(host, item);
              item.dialog->dirty = true;
          });
}

template <typename Body>
void OnItem(const char* function, HostItemRef handle, Body body) {
    Change(
        function, handle, [&] { return Describe(handle); }, body);
}

// A setter of one field of the item.
template <typename Value, typename Apply>
void Set(const char* function, HostItemRef handle, Value value, Apply apply) {
    Change(
        function, handle, [&] { return Describe(handle).Add("value", value); },
        [&](Host&, Item& item) { apply(item, value); });
}

// Answers what READ(host, item) gives of the item HANDLE designates, NONE for an unknown
// item. Reading changes nothing, so the dialog is not drawn again for it.
template <typename Value, typename Read>
Value Get(const char* function, HostItemRef handle, Value none, Read read) {
    return ServeValue(
        kSuite, function, none, [&] { return Describe(handle); }, Needs(Resolve(FindItem, handle)),
        read);
}

HostDialogRef HOST_API GetDialog(HostItemRef item) {
    return Get("GetDialog", item, HostDialogRef{nullptr},
               [](Host& host, Item& found) { return host.Dialogs().HandleOf(found.dialog); });
}

int32_t HOST_API GetID(HostItemRef item) {
    return Get("GetID", item, int32_t{0}, [](Host&, Item& found) { return found.id; });
}

void HOST_API SetNotifyProc(HostItemRef item, ADMItemNotifyProc proc) {
    OnItem("SetNotifyProc", item, [&](Host&, Item& found) { found.notifyProc = proc; });
}

void HOST_API DefaultNotify(HostItemRef item, HostDialogNotifierRef notifier) {
    OnItem("DefaultNotify", item, [&](Host& host, Item& found) {
        const DialogNotifier* note = FindNotifier(host, notifier, "DefaultNotify");
        if (note != nullptr) host.Dialogs().DefaultNotify(found, *note);
    });
}

void HOST_API SetDrawProc(HostItemRef item, ADMItemDrawProc proc) {
    OnItem("SetDrawProc", item, [&](Host&, Item& found) { found.drawProc = proc; });
}

void HOST_API DefaultDraw(HostItemRef item, HostDrawerRef drawer) {
    OnItem("DefaultDraw", item, [&](Host& host, Item& found) {
        Drawer* target = FindDrawer(host, drawer, "DefaultDraw");
        if (target != nullptr && target->item == &found) host.Dialogs().DefaultDraw(found, *target);
    });
}

void HOST_API SetTrackProc(HostItemRef item, ADMItemTrackProc proc) {
    OnItem("SetTrackProc", item, [&](Host&, Item& found) { found.trackProc = proc; });
}

HostBool32 HOST_API DefaultTrack(HostItemRef item, HostTrackerRef tracker) {
    return Get("DefaultTrack", item, HostBool32{0}, [&](Host& host, Item& found) -> HostBool32 {
        const Tracker* track = FindTracker(host, tracker, "DefaultTrack");
        return track != nullptr && host.Dialogs().DefaultTrack(found, *track);
    });
}

void HOST_API SetText(HostItemRef item, const char* text) {
    OnItem("SetText", item, [&](Host&, Item& found) {
        found.text = text != nullptr ? Cp1252ToUtf8(text) : "";
        found.hasValue = false;
    });
}

void HOST_API GetText(HostItemRef item, char* buffer, uint32_t size) {
    Serve(
        kSuite, "GetText", [&] { return Describe(item); }, Needs(Resolve(FindItem, item)),
        [&](Host&, Item& found) { return CopyOut(found.ShownText(), buffer, size); });
}

void HOST_API SetFloatValue(HostItemRef item, float value) {
    Set("SetFloatValue", item, value, [](Item& found, float v) {
        found.value = v;
        found.hasValue = true;
    });
}

float HOST_API GetFloatValue(HostItemRef item) {
    return Get("GetFloatValue", item, 0.0f, [](Host&, Item& found) { return found.value; });
}

void HOST_API SetIntValue(HostItemRef item, int32_t value) {
    Set("SetIntValue", item, value, [](Item& found, int32_t v) {
        found.value = static_cast<float>(v);
        found.hasValue = true;
    });
}

int32_t HOST_API GetIntValue(HostItemRef item) {
    return Get("GetIntValue", item, int32_t{0},
               [](Host&, Item& found) { return static_cast<int32_t>(found.value); });
}

void HOST_API SetBooleanValue(HostItemRef item, HostBool32 value) {
    Set("SetBooleanValue", item, value, [](Item& found, HostBool32 v) { found.on = v != 0; });
}

HostBool32 HOST_API GetBooleanValue(HostItemRef item) {
    return Get("GetBooleanValue", item, HostBool32{0},
               [](Host&, Item& found) -> HostBool32 { return found.on; });
}

void HOST_API SetUnits(HostItemRef item, int32_t units) {
    Set("SetUnits", item, units, [](Item& found, int32_t v) { found.units = v; });
}

void HOST_API SetPrecision(HostItemRef item, int32_t decimals) {
    Set("SetPrecision", item, decimals, [](Item& found, int32_t v) { found.precision = v; });
}

void HOST_API SetMinFloatValue(HostItemRef item, float value) {
    Set("SetMinFloatValue", item, value, [](Item& found, float v) { found.minimum = v; });
}

void HOST_API SetMaxFloatValue(HostItemRef item, float value) {
    Set("SetMaxFloatValue", item, value, [](Item& found, float v) { found.maximum = v; });
}

void HOST_API SetSmallIncrement(HostItemRef item, float value) {
    Set("SetSmallIncrement", item, value, [](Item& found, float v) { found.smallStep = v; });
}

void HOST_API SetLargeIncrement(HostItemRef item, float value) {
    Set("SetLargeIncrement", item, value, [](Item& found, float v) { found.largeStep = v; });
}

void HOST_API Enable(HostItemRef item, HostBool32 enable) {
    Set("Enable", item, enable, [](Item& found, HostBool32 v) { found.enabled = v != 0; });
}

HostBool32 HOST_API IsEnabled(HostItemRef item) {
    return Get("IsEnabled", item, HostBool32{0},
               [](Host&, Item& found) -> HostBool32 { return found.enabled; });
}

void HOST_API Show(HostItemRef item, HostBool32 show) {
    Set("Show", item, show, [](Item& found, HostBool32 v) { found.shown = v != 0; });
}

HostBool32 HOST_API IsVisible(HostItemRef item) {
    return Get("IsVisible", item, HostBool32{0},
               [](Host&, Item& found) -> HostBool32 { return found.shown; });
}

void HOST_API SetTipString(HostItemRef item, const char* tip) {
    OnItem("SetTipString", item,
           [&](Host&, Item& found) { found.tip = tip != nullptr ? Cp1252ToUtf8(tip) : ""; });
}

void HOST_API SetPictureID(HostItemRef item, int32_t picture) {
    Set("SetPictureID", item, picture, [](Item& found, int32_t v) { found.picture = v; });
}

void HOST_API SetSelectedPictureID(HostItemRef item, int32_t picture) {
    Set("SetSelectedPictureID", item, picture,
        [](Item& found, int32_t v) { found.selectedPicture = v; });
}

void HOST_API SetFont(HostItemRef item, int32_t font) {
    Set("SetFont", item, font, [](Item& found, int32_t v) { found.font = v; });
}

void HOST_API SetJustify(HostItemRef item, int32_t justify) {
    Set("SetJustify", item, justify, [](Item& found, int32_t v) { found.justify = v; });
}

void HOST_API SetItemStyle(HostItemRef item, int32_t style) {
    Set("SetItemStyle", item, style, [](Item& found, int32_t v) { found.style = v; });
}

void HOST_API SetForeColor(HostItemRef item, int32_t color) {
    Set("SetForeColor", item, color, [](Item& found, int32_t v) { found.foreColor = v; });
}

void HOST_API SetItemOptions(HostItemRef item, int32_t options) {
    Set("SetItemOptions", item, options, [](Item& found, int32_t v) { found.options = v; });
}

void HOST_API SetWantsFocus(HostItemRef item, HostBool32 wants) {
    Set("SetWantsFocus", item, wants, [](Item& found, HostBool32 v) { found.wantsFocus = v != 0; });
}

void HOST_API Move(HostItemRef item, int32_t h, int32_t v) {
    OnItem("Move", item, [&](Host&, Item& found) {
        found.rect = {h, v, h + found.rect.right - found.rect.left,
                      v + found.rect.bottom - found.rect.top};
    });
}

void HOST_API GetBoundsRect(HostItemRef item, HostRect* rect) {
    Serve(
        kSuite, "GetBoundsRect", [&] { return Describe(item); },
        Needs(Resolve(FindItem, item), NonNull(rect)),
        [&](Host&, Item& found) { *rect = found.rect; });
}

void HOST_API Activate(HostItemRef item, HostBool32 activate) {
    Set("Activate", item, activate, [](Item& found, HostBool32 v) {
        if (v != 0)
            found.dialog->focused = &found;
        else if (found.dialog->focused == &found)
            found.dialog->focused = nullptr;
    });
}

void HOST_API SelectAll(HostItemRef item) {
    OnItem("SelectAll", item, [](Host&, Item& found) { found.textSelected = true; });
}

void HOST_API Invalidate(HostItemRef item) {
    OnItem("Invalidate", item, [](Host&, Item&) {});
}

HostListRef HOST_API GetList(HostItemRef item) {
    return Get("GetList", item, HostListRef{nullptr},
               [](Host& host, Item& found) { return host.Dialogs().HandleOf(found.list.get()); });
}

const ADMItemSuite7 gTable = {.GetDialog = GetDialog,
                              .GetID = GetID,
                              .SetNotifyProc = SetNotifyProc,
                              .DefaultNotify = DefaultNotify,
                              .SetDrawProc = SetDrawProc,
                              .DefaultDraw = DefaultDraw,
                              .SetTrackProc = SetTrackProc,
                              .DefaultTrack = DefaultTrack,
                              .SetText = SetText,
                              .GetText = GetText,
                              .SetFloatValue = SetFloatValue,
                              .GetFloatValue = GetFloatValue,
                              .SetIntValue = SetIntValue,
                              .GetIntValue = GetIntValue,
                              .SetBooleanValue = SetBooleanValue,
                              .GetBooleanValue = GetBooleanValue,
                              .SetUnits = SetUnits,
                              .SetPrecision = SetPrecision,
                              .SetMinFloatValue = SetMinFloatValue,
                              .SetMaxFloatValue = SetMaxFloatValue,
                              .SetSmallIncrement = SetSmallIncrement,
                              .SetLargeIncrement = SetLargeIncrement,
                              .Enable = Enable,
                              .IsEnabled = IsEnabled,
                              .Show = Show,
                              .IsVisible = IsVisible,
                              .SetTipString = SetTipString,
                              .SetPictureID = SetPictureID,
                              .SetSelectedPictureID = SetSelectedPictureID,
                              .SetFont = SetFont,
                              .SetJustify = SetJustify,
                              .SetItemStyle = SetItemStyle,
                              .SetForeColor = SetForeColor,
                              .SetItemOptions = SetItemOptions,
                              .SetWantsFocus = SetWantsFocus,
                              .Move = Move,
                              .GetBoundsRect = GetBoundsRect,
                              .Activate = Activate,
                              .SelectAll = SelectAll,
                              .Invalidate = Invalidate,
                              .GetList = GetList};

}  // namespace

const void* AdmItemSuiteTable() {
    return &gTable;
}

}  // namespace emulator
