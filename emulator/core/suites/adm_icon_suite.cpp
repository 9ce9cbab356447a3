// Pictures of the plug-in's resources for dialogs (version 2).
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/serve.h"
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

HostIconRef HOST_API GetFromResource(HostPluginRef plugin, int32_t iconId) {
    return ServeAnswer(
        kSuite, "GetFromResource", HostIconRef{nullptr},
        [&] { return Arguments().Add("iconId", iconId); },
        [&](Host& host, HostIconRef& icon) -> HostErr {
            if (plugin != host.plugin.Ref()) return kHostErrBadHandle;
            int32_t type = PictureType(host.plugin.Resources(), iconId);
            icon = host.icons.Add(std::make_unique<Icon>(Icon{iconId, type}));
            return kHostNoError;
        });
}

int32_t HOST_API GetType(HostIconRef icon) {
    return ServeAnswer(
        kSuite, "GetType", int32_t{kADMUnknownIconType},
        [&] { return Arguments().Add("icon", icon); },
        [&](Host& host, int32_t& type) -> HostErr {
            const Icon* found = Found(host, host.icons.Find(icon), "GetType", "icon");
            if (found == nullptr) return kHostErrBadHandle;
            type = found->type;
            return kHostNoError;
        });
}

void HOST_API Destroy(HostIconRef icon) {
    Serve(
        kSuite, "Destroy", [&] { return Arguments().Add("icon", icon); },
        [&](Host& host) -> HostErr {
            if (host.icons.Remove(icon)) return kHostNoError;
            host.Misuse("Destroy: unknown icon");
            return kHostErrBadHandle;
        });
}

const ADMIconSuite2 gTable = {
    .GetFromResource = GetFromResource, .GetType = GetType, .Destroy = Destroy};

}  // namespace

const void* AdmIconSuite2Table() {
    return &gTable;
}

}  // namespace emulator
