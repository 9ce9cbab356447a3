// The library's one export.
#include "host/messages.h"
#include "plugin/dispatch.h"

extern "C" HOST_PLUGIN_EXPORT HostErr HOST_API PluginMain(const char* caller, const char* selector,
                                                          void* message) noexcept {
    if (caller == nullptr || selector == nullptr || message == nullptr) return kHostErrBadParameter;
    if (static_cast<SPMessageData*>(message)->basic == nullptr) return kHostErrBadParameter;
    try {
        return Distribuer(caller, selector, message);
    } catch (...) {
        // Nothing may unwind into the host.
        return kHostErrInternal;
    }
}
