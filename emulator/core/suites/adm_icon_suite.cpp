// Pictures of the plug-in's resources: icons for the toolbox (version 1), bitmaps and PNG
// images for dialogs (version 2).
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/needs.h"
#include "emulator/models/resources/resource_file.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMIconSuite;

int32_t PictureType(const ResourceFile& resources, int32_t id) {
    auto number = static_cast<uint16_t>(id);
    if (resources.Find(ResourceId::ParseType("BITMAP"), number) != nullptr) return 0;
    if (resources.Find(ResourceId::ParseType("PNG"), number) != nullptr) return 2;
    return kADMUnknownIconType;
}

int32_t ToolIconType(const ResourceFile& resources, int32_t id) {
    auto number = static_cast<uint16_t>(id);
    if (resources.Find(ResourceId::ParseType("GROUP_ICON"), number) != nullptr) return 1;
    return kADMUnknownIconType;
}

// An icon of the plug-in's resource ICONID, of the type TYPEOF finds for it.
template <typename TypeOf>
HostIconRef LoadIcon(HostPluginRef plugin, int32_t iconId, TypeOf typeOf) {
    return ServeAnswer(
        kSuite, "GetFromResource", HostIconRef{nullptr},
        [&] { return Arguments().Add("iconId", iconId); },
        [&](Host& host, HostIconRef& icon) -> HostErr {
            if (plugin != host.Plugin().Ref()) return kHostErrBadHandle;
            int32_t type = typeOf(host.Plugin().Resources(), iconId);
            icon = host.Icons().Add(std::make_unique<Icon>(Icon{iconId, type}));
            return kHostNoError;
        });
}

HostIconRef HOST_API GetFromResource(HostPluginRef plugin, int32_t iconId) {
    return LoadIcon(plugin, iconId, PictureType);
}

HostIconRef HOST_API GetToolIconFromResource(HostPluginRef plugin, int32_t iconId) {
    return LoadIcon(plugin, iconId, ToolIconType);
}

int32_t HOST_API GetType(HostIconRef icon) {
    return ServeValue(
        kSuite, "GetType", int32_t{kADMUnknownIconType},
        [&] { return Arguments().Add("icon", icon); }, Needs(Resolve(FindIcon, icon)),
        [](Host&, const Icon& found) { return found.type; });
}

void HOST_API Destroy(HostIconRef icon) {
    Serve(
        kSuite, "Destroy", [&] { return Arguments().Add("icon", icon); },
        Needs(Resolve(FindIcon, icon)),
        [&](Host& host, const Icon&) { host.Icons().Remove(icon); });
}

const ADMIconSuite1 gToolIconTable = {
    .GetFromResource = GetToolIconFromResource, .GetType = GetType, .Destroy = Destroy};
const ADMIconSuite2 gTable = {
    .GetFromResource = GetFromResource, .GetType = GetType, .Destroy = Destroy};

}  // namespace

const void* AdmIconSuite1Table() {
    return &gToolIconTable;
}

const void* AdmIconSuite2Table() {
    return &gTable;
}

}  // namespace emulator
