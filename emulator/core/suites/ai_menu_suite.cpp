// Menus: the plug-in adds items and submenus to the host's groups, reads the groups, and
// changes the text and marks of its own items.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIMenuSuite;

HostErr HOST_API AddMenuItem(HostPluginRef plugin, const char* name, const char* groupName,
                             const char* text, int32_t options, HostMenuItemHandle* item) {
    return Serve(
        kSuite, "AddMenuItem",
        [&] {
            return Arguments()
                .Add("name", name)
                .Add("groupName", groupName)
                .Add("text", text)
                .Add("options", options);
        },
        Needs(NonNull(groupName, text, item), OwnPlugin(plugin)),
        [&](Host& host) -> HostErr {
            MenuGroup* group = host.MenuBar().GroupNamed(Cp1252ToUtf8(groupName));
            if (group == nullptr) return kHostErrNotFound;
            MenuItem added{Cp1252ToUtf8(name == nullptr ? "" : name), Cp1252ToUtf8(text), plugin};
            *item = host.MenuBar().HandleOf(host.MenuBar().AddItem(*group, std::move(added)));
            return kHostNoError;
        });
}

HostErr HOST_API AddMenuGroupAsSubMenu(const char* groupName, int32_t options,
                                       HostMenuItemHandle parentItem, HostMenuGroupHandle* group) {
    return Serve(
        kSuite, "AddMenuGroupAsSubMenu",
        [&] {
            return Arguments()
                .Add("groupName", groupName)
                .Add("options", options)
                .Add("parentItem", parentItem);
        },
        Needs(NonNull(groupName, group), Resolve(FindOwnMenuItem, parentItem)),
        [&](Host& host, MenuItem& parent) -> HostErr {
            MenuGroup* made = host.MenuBar().AddGroup(Cp1252ToUtf8(groupName), &parent);
            if (made == nullptr) return kHostErrBadParameter;
            *group = host.MenuBar().HandleOf(*made);
            return kHostNoError;
        });
}

HostErr HOST_API CountMenuGroups(int32_t* count) {
    return Serve(
        kSuite, "CountMenuGroups", [] { return Arguments(); }, Needs(NonNull(count)),
        [&](Host& host) { *count = static_cast<int32_t>(host.MenuBar().GroupCount()); });
}

HostErr HOST_API GetNthMenuGroup(int32_t index, HostMenuGroupHandle* group) {
    return Serve(
        kSuite, "GetNthMenuGroup", [&] { return Arguments().Add("index", index); },
        Needs(NonNull(group), Valid(index >= 0)),
        [&](Host& host) -> HostErr {
            MenuGroup* found = host.MenuBar().GroupAt(static_cast<size_t>(index));
            if (found == nullptr) return kHostErrBadParameter;
            *group = host.MenuBar().HandleOf(*found);
            return kHostNoError;
        });
}

HostErr HOST_API GetMenuGroupName(HostMenuGroupHandle group, char* buffer, uint32_t size) {
    return Serve(
        kSuite, "GetMenuGroupName", [&] { return Arguments().Add("group", group); },
        Needs(Resolve(FindMenuGroup, group)),
        [&](Host&, const MenuGroup& found) { return CopyOut(found.name, buffer, size); });
}

HostErr HOST_API SetItemText(HostMenuItemHandle item, const char* text) {
    return Serve(
        kSuite, "SetItemText", [&] { return Arguments().Add("item", item).Add("text", text); },
        Needs(NonNull(text), Resolve(FindOwnMenuItem, item)),
        [&](Host&, MenuItem& found) { found.text = Cp1252ToUtf8(text); });
}

HostErr HOST_API GetItemText(HostMenuItemHandle item, char* buffer, uint32_t size) {
    return Serve(
        kSuite, "GetItemText", [&] { return Arguments().Add("item", item); },
        Needs(Resolve(FindOwnMenuItem, item)),
        [&](Host&, const MenuItem& found) { return CopyOut(found.text, buffer, size); });
}

HostErr HOST_API EnableItem(HostMenuItemHandle item, HostBool32 enabled) {
    return Serve(
        kSuite, "EnableItem", [&] { return Arguments().Add("item", item).Add("enabled", enabled); },
        Needs(Resolve(FindOwnMenuItem, item)),
        [&](Host&, MenuItem& found) { found.enabled = enabled != 0; });
}

HostErr HOST_API CheckItem(HostMenuItemHandle item, HostBool32 checked) {
    return Serve(
        kSuite, "CheckItem", [&] { return Arguments().Add("item", item).Add("checked", checked); },
        Needs(Resolve(FindOwnMenuItem, item)),
        [&](Host&, MenuItem& found) { found.checked = checked != 0; });
}

const AIMenuSuite9 gTable = {.AddMenuItem = AddMenuItem,
                             .AddMenuGroupAsSubMenu = AddMenuGroupAsSubMenu,
                             .CountMenuGroups = CountMenuGroups,
                             .GetNthMenuGroup = GetNthMenuGroup,
                             .GetMenuGroupName = GetMenuGroupName,
                             .SetItemText = SetItemText,
                             .GetItemText = GetItemText,
                             .EnableItem = EnableItem,
                             .CheckItem = CheckItem};

}  // namespace

const void* AiMenuSuiteTable() {
    return &gTable;
}

}  // namespace emulator
