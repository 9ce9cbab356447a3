#include "emulator/models/notifiers.h"

namespace emulator {

HostNotifierHandle Notifiers::Add(HostPluginRef plugin, const std::string& name,
                                  const std::string& type) {
    return table_.Add(std::make_unique<Notifier>(Notifier{plugin, name, type}));
}

std::vector<HostNotifierHandle> Notifiers::OfType(const std::string& type) const {
    std::vector<HostNotifierHandle> found;
    table_.ForEach([&](const Notifier& notifier) {
        if (notifier.type == type) found.push_back(table_.HandleOf(&notifier));
    });
    return found;
}

}  // namespace emulator
