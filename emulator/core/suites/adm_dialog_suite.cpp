// The dialog manager's dialogs: floating and modal, title, place, items, drawing.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/needs.h"
#include "emulator/models/resources/dialog_resource.h"
#include "emulator/models/resources/resource_file.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMDialogSuite;

// Serves FUNCTION on the dialog HANDLE: BODY(host, dialog).
template <typename Body>
void OnDialog(const char* function, HostDialogRef handle, Body body) {
    Serve(
        kSuite, function, [&] { return Arguments().Add("dialog", handle); },
        Needs(Resolve(FindDialog, handle)), body);
}

// Makes the dialog when the plug-in owns the resource it names, then runs its
// initialisation.
Dialog* Make(Host& host, HostPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
             ADMDialogInitProc initProc, bool modal, HostErr& error) {
    error = kHostErrBadParameter;
    if (plugin != host.Plugin().Ref() || name == nullptr) return nullptr;
    const Resource* resource = host.Plugin().Resources().Find(ResourceId::ParseType("DIALOG"),
                                                              static_cast<uint16_t>(dialogId));
    if (resource == nullptr) {
        host.Misuse("dialog resource " + std::to_string(dialogId) + " is missing");
        error = kHostErrNotFound;
        return nullptr;
    }
    // A damaged template throws: the dialog is not made, and the call reports it.
    DialogTemplate form = ParseDialogResource(resource->data);
    Dialog* dialog = host.Dialogs().Create(Cp1252ToUtf8(name), dialogId, style, modal);
    dialog->title = form.title;
    error = kHostNoError;
    if (initProc != nullptr) initProc(host.Dialogs().HandleOf(dialog));
    return dialog;
}

Arguments DescribeDialog(const char* name, int32_t dialogId, int32_t style, int32_t options) {
    return Arguments()
        .Add("name", name)
        .Add("dialogId", dialogId)
        .Add("style", style)
        .Add("options", options);
}

HostDialogRef HOST_API Create(HostPluginRef plugin, const char* name, int32_t dialogId,
                              int32_t style, ADMDialogInitProc initProc, void*, int32_t options) {
    return ServeAnswer(
        kSuite, "Create", HostDialogRef{nullptr},
        [&] { return DescribeDialog(name, dialogId, style, options); },
        [&](Host& host, HostDialogRef& made) -> HostErr {
            HostErr error = kHostNoError;
            made = host.Dialogs().HandleOf(
                Make(host, plugin, name, dialogId, style, initProc, false, error));
            return error;
        });
}

int32_t HOST_API Modal(HostPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                       ADMDialogInitProc initProc, void*, int32_t options) {
    return ServeAnswer(
        kSuite, "Modal", int32_t{-1},
        [&] { return DescribeDialog(name, dialogId, style, options); },
        [&](Host& host, int32_t& result) -> HostErr {
            HostErr error = kHostNoError;
            Dialog* dialog = Make(host, plugin, name, dialogId, style, initProc, true, error);
            if (dialog != nullptr) result = host.Dialogs().RunModal(*dialog);
            return error;
        });
}

void HOST_API Destroy(HostDialogRef dialog) {
    OnDialog("Destroy", dialog, [](Host& host, Dialog& found) { host.Dialogs().Destroy(found); });
}

void HOST_API SetDrawProc(HostDialogRef dialog, ADMDialogDrawProc drawProc) {
    OnDialog("SetDrawProc", dialog, [&](Host&, Dialog& found) {
        found.drawProc = drawProc;
        found.dirty = true;
    });
}

void HOST_API DefaultDraw(HostDialogRef dialog, HostDrawerRef drawer) {
    OnDialog("DefaultDraw", dialog, [&](Host& host, Dialog& found) {
        Drawer* target = FindDrawer(host, drawer, "DefaultDraw");
        if (target != nullptr && target->dialog == &found)
            host.Dialogs().DefaultDraw(found, *target);
    });
}

void HOST_API SetText(HostDialogRef dialog, const char* text) {
    OnDialog("SetText", dialog, [&](Host&, Dialog& found) {
        found.title = text != nullptr ? Cp1252ToUtf8(text) : "";
        found.dirty = true;
    });
}

HostItemRef HOST_API CreateItem(HostDialogRef dialog, int32_t itemId, const char* itemType,
                                const HostRect* rect, void*, int32_t options) {
    return ServeValue(
        kSuite, "CreateItem", HostItemRef{nullptr},
        [&] {
            return Arguments()
                .Add("dialog", dialog)
                .Add("itemId", itemId)
                .Add("type", itemType)
                .Add("options", options);
        },
        Needs(Resolve(FindDialog, dialog), NonNull(itemType, rect)),
        [&](Host& host, Dialog& found) {
            return host.Dialogs().HandleOf(host.Dialogs().AddItem(found, itemId, itemType, *rect));
        });
}

HostItemRef HOST_API GetItem(HostDialogRef dialog, int32_t itemId) {
    return ServeValue(
        kSuite, "GetItem", HostItemRef{nullptr},
        [&] { return Arguments().Add("dialog", dialog).Add("itemId", itemId); },
        Needs(Resolve(FindDialog, dialog)),
        [&](Host& host, Dialog& found) { return host.Dialogs().HandleOf(found.Find(itemId)); });
}

void HOST_API Show(HostDialogRef dialog, HostBool32 show) {
    OnDialog("Show", dialog, [&](Host&, Dialog& found) {
        found.visible = show != 0;
        found.dirty = true;
    });
}

HostBool32 HOST_API IsVisible(HostDialogRef dialog) {
    return ServeValue(
        kSuite, "IsVisible", HostBool32{0}, [&] { return Arguments().Add("dialog", dialog); },
        Needs(Resolve(FindDialog, dialog)),
        [](Host&, const Dialog& found) -> HostBool32 { return found.visible; });
}

void HOST_API GetBoundsRect(HostDialogRef dialog, HostRect* bounds) {
    OnDialog("GetBoundsRect", dialog, [&](Host&, Dialog& found) {
        if (bounds != nullptr) *bounds = found.bounds;
    });
}

void HOST_API SetBoundsRect(HostDialogRef dialog, const HostRect* bounds) {
    OnDialog("SetBoundsRect", dialog, [&](Host&, Dialog& found) {
        if (bounds != nullptr) found.bounds = *bounds;
        found.dirty = true;
    });
}

void HOST_API GetLocalRect(HostDialogRef dialog, HostRect* rect) {
    OnDialog("GetLocalRect", dialog, [&](Host&, Dialog& found) {
        if (rect != nullptr)
            *rect = {0, 0, found.bounds.right - found.bounds.left,
                     found.bounds.bottom - found.bounds.top};
    });
}

void HOST_API SetLocalRect(HostDialogRef dialog, const HostRect* rect) {
    OnDialog("SetLocalRect", dialog, [&](Host&, Dialog& found) {
        if (rect == nullptr) return;
        found.bounds.right = found.bounds.left + (rect->right - rect->left);
        found.bounds.bottom = found.bounds.top + (rect->bottom - rect->top);
        found.dirty = true;
    });
}

void HOST_API Invalidate(HostDialogRef dialog) {
    OnDialog("Invalidate", dialog,
             [](Host& host, Dialog& found) { host.Dialogs().Invalidate(found); });
}

void HOST_API SetIcon(HostDialogRef dialog, int32_t kind, HostIconRef icon) {
    OnDialog("SetIcon", dialog, [&](Host& host, Dialog& found) {
        const Icon* picture = host.Icons().Find(icon);
        if (kind >= 0 && kind < 2 && picture != nullptr)
            found.icons[static_cast<size_t>(kind)] = picture->resourceId;
    });
}

void HOST_API SendNotify(HostDialogRef dialog, const char* notifierType) {
    OnDialog("SendNotify", dialog, [&](Host& host, Dialog& found) {
        if (notifierType != nullptr) host.Dialogs().NotifyDialog(found, notifierType);
    });
}

const ADMDialogSuite10 gTable = {.Create = Create,
                                 .Modal = Modal,
                                 .Destroy = Destroy,
                                 .SetDrawProc = SetDrawProc,
                                 .DefaultDraw = DefaultDraw,
                                 .SetText = SetText,
                                 .CreateItem = CreateItem,
                                 .GetItem = GetItem,
                                 .Show = Show,
                                 .IsVisible = IsVisible,
                                 .GetBoundsRect = GetBoundsRect,
                                 .SetBoundsRect = SetBoundsRect,
                                 .GetLocalRect = GetLocalRect,
                                 .SetLocalRect = SetLocalRect,
                                 .Invalidate = Invalidate,
                                 .SetIcon = SetIcon,
                                 .SendNotify = SendNotify};

}  // namespace

const void* AdmDialogSuiteTable() {
    return &gTable;
}

}  // namespace emulator
